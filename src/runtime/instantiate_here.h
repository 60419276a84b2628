// Forced into every C++ file of the shipped exe (-include). libstdc++ declares its std::string
// and other specialisations extern and ships them compiled for the Pentium Pro (CMOV); with
// the declarations switched off, each one used is instantiated here, with our own flags.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
