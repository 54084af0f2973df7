#include "rules/layout.h"
