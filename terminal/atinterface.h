#pragma once
#include <QString>
#include <QWidget>

namespace Ui {
class ATInterface;
}

class ATInterface : public QWidget
{
    Q_OBJECT

public:
    explicit ATInterface(QWidget *parent = nullptr);
    ~ATInterface() override;

    void appendReceived(QString text);
    void clearTranscript();
    void focusInput();

signals:
    void signal_sendMessage(QString line);

private slots:
    void on_pushButton_clicked();
    void on_OutputTextEdit_textChanged();

private:
    Ui::ATInterface *ui;
    QString transcript;
};
