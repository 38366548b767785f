#include "advert/logging.h"

Q_LOGGING_CATEGORY(lcAdvert, "kvx.advert", QtInfoMsg)
