#include "app/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_ConnectButton_clicked() {}
void MainWindow::on_flush_clicked() {}
void MainWindow::on_SerialSetBox_currentIndexChanged(int) {}
void MainWindow::on_RefreshButton_clicked() {}
void MainWindow::slot_readyRead() {}
void MainWindow::on_ConfigButton_clicked() {}
void MainWindow::on_RandButton_clicked() {}
void MainWindow::on_LockButton_clicked() {}
void MainWindow::slot_CommandInterface() {}
void MainWindow::slot_recvMessage(QString) {}
void MainWindow::slot_serialError() {}
