#include "report.h"
