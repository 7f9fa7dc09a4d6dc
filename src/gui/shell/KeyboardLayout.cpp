#include "KeyboardLayout.h"

namespace KeyboardLayout {
namespace {
int g_requested = -1;
} // namespace

QStringList layouts()
{
    // No platform layer lists layouts yet: an empty list.
    return {};
}

bool activate(int index)
{
    g_requested = index;
    // Without a platform layer there is nothing to switch.
    return false;
}

int requested()
{
    return g_requested;
}

} // namespace KeyboardLayout
