#include "core/FormatBehaviour.h"

FormatBehaviour BehaviourOfApiKind(int apiKind)
{
    FormatBehaviour behaviour;
    behaviour.hostContextMenu = apiKind == kApiKindVst3;
    behaviour.resizeParentWindows = apiKind != kApiKindVst3 && apiKind != kApiKindHostSizedWindow;
    return behaviour;
}
