#include "PrintUnits.h"

double PrintUnits::mmToDevice(double mm, int dpi)
{
    return mm * dpi / 25.4;
}
