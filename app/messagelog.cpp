#include "app/messagelog.h"
#include "ui_messagelog.h"

#include <QScrollBar>

namespace {

QString line(const LoggedMessage &message)
{
    return message.time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + message.text;
}

} // namespace

MessageLog::MessageLog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MessageLog)
{
    ui->setupUi(this);
}

MessageLog::~MessageLog()
{
    delete ui;
}

void MessageLog::setMessages(const QList<LoggedMessage> &messages)
{
    ui->MessageLogText->clear();
    for (const LoggedMessage &message : messages)
        append(message);
}

void MessageLog::append(const LoggedMessage &message)
{
    ui->MessageLogText->appendPlainText(line(message));
    ui->MessageLogText->verticalScrollBar()->setValue(ui->MessageLogText->verticalScrollBar()->maximum());
}

void MessageLog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
