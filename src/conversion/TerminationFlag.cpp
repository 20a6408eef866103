#include "TerminationFlag.h"

void TerminationFlag::set()
{
    if (set_)
        return;
    set_ = true;
    emit raised();
}
