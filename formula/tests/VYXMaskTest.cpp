// VYXMaskTest.cpp: number-format masks.
#include "formula/VYXMask.h"

#include <gtest/gtest.h>
