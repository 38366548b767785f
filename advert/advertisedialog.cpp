#include "advert/advertisedialog.h"
#include "ui_advertisedialog.h"

AdvertiseDialog::AdvertiseDialog(QWidget *parent)
    : QDialog(parent)
{
}
