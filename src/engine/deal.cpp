#include "engine/deal.h"
