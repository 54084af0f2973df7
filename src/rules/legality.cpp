#include "rules/legality.h"
