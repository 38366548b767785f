#pragma once
// The advert dialog's logging category, "kvx.advert" (off below info, as Qt's own are).

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcAdvert)
