#pragma once
#include <QDialog>

class AdvertiseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AdvertiseDialog(QWidget *parent = nullptr);
};
