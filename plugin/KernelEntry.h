#pragma once

#include "plugin/ChainKernel.h"

// 32-bit Windows hosts may call in with the stack aligned to 4 bytes only; the
// kernels realign it on entry before spilling vector registers.
#if defined(__i386__) && (defined(__GNUC__) || defined(__clang__))
#define SONDREL_KERNEL_ENTRY __attribute__((force_align_arg_pointer))
#else
#define SONDREL_KERNEL_ENTRY
#endif

SONDREL_KERNEL_ENTRY void RunKernelSse2(ChainBlock& block, ChainFrames& frames);
SONDREL_KERNEL_ENTRY void RunKernelAvx2(ChainBlock& block, ChainFrames& frames);
SONDREL_KERNEL_ENTRY void RunKernelAvx512(ChainBlock& block, ChainFrames& frames);
