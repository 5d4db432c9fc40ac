#include "atlas/calibration.h"

int ReadCalibration() { return -1; }
