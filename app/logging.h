#pragma once
// The window's logging category, "kvx.app" (off below info, as Qt's own are).

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
