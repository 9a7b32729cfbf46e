// Chooses the processing kernel by what the processor and the operating
// system support.
#include "plugin/ChainKernel.h"
#include "plugin/KernelEntry.h"

bool SimdPathSupported(SimdPath path)
{
    switch (path) {
    case SimdPath::kSse2:
        return true;
    case SimdPath::kAvx2:
        return __builtin_cpu_supports("avx2");
    case SimdPath::kAvx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
    default:
        return false;
    }
}

SimdPath FastestSimdPath()
{
    if (SimdPathSupported(SimdPath::kAvx512))
        return SimdPath::kAvx512;
    if (SimdPathSupported(SimdPath::kAvx2))
        return SimdPath::kAvx2;
    return SimdPath::kSse2;
}

ChainKernel KernelFor(SimdPath path)
{
    switch (path) {
    case SimdPath::kAvx512:
        return RunKernelAvx512;
    case SimdPath::kAvx2:
        return RunKernelAvx2;
    default:
        return RunKernelSse2;
    }
}

const char* SimdPathName(SimdPath path)
{
    switch (path) {
    case SimdPath::kAvx512:
        return "AVX-512";
    case SimdPath::kAvx2:
        return "AVX2";
    case SimdPath::kSse2:
        return "SSE2";
    default:
        return "";
    }
}
