#include "table/tavolo.h"
