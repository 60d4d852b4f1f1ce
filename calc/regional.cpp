#include "regional.h"
