#include "terminal/atinterface.h"
#include "ui_atinterface.h"

ATInterface::ATInterface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ATInterface)
{
    ui->setupUi(this);
}

ATInterface::~ATInterface()
{
    delete ui;
}

void ATInterface::appendReceived(QString text)
{
    transcript += text;
}

void ATInterface::clearTranscript()
{
    transcript.clear();
}

void ATInterface::focusInput()
{
}

void ATInterface::on_pushButton_clicked()
{
}

void ATInterface::on_OutputTextEdit_textChanged()
{
}
