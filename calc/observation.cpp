#include "observation.h"
