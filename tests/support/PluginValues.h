#pragma once

#include <vector>

#include "core/PluginBase.h"

// Every parameter's plain value, in index order.
inline std::vector<double> Values(const PluginBase& plugin)
{
    std::vector<double> v;
    for (int i = 0; i < plugin.ParamCount(); ++i)
        v.push_back(plugin.GetParam(i)->Value());
    return v;
}
