#include "advert/advertindex.h"
