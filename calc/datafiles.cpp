#include "datafiles.h"
