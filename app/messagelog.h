#pragma once
// Every message the window's status line showed this session, with its
// time: a message cut to fit the line, or replaced by the next one, can
// still be read whole.

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

namespace Ui {
class MessageLog;
}

struct LoggedMessage {
    QDateTime time;
    QString text;
};

class MessageLog : public QDialog
{
    Q_OBJECT

public:
    explicit MessageLog(QWidget *parent = nullptr);
    ~MessageLog() override;

    void setMessages(const QList<LoggedMessage> &messages);
    void append(const LoggedMessage &message);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::MessageLog *ui;
};
