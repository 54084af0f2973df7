#include "rules/pile_geometry.h"
