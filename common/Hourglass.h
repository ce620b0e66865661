// The hourglass pointer for the life of the object, the normal pointer after.
#pragma once

#include "forms/Runtime.h"

class Hourglass {
  public:
    Hourglass() { forms::SetScreenMousePointer(forms::MousePointer::Hourglass); }
    ~Hourglass() { forms::SetScreenMousePointer(forms::MousePointer::Default); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
