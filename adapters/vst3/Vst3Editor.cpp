// The editor as VST 3 hosts see it: views made on request, and the plug-in's
// resize requests handed to the host through the first view.
#include <algorithm>
#include <cstring>

#include "adapters/vst3/Vst3Plugin.h"
#include "adapters/vst3/Vst3View.h"

using namespace Vst3;

namespace {
constexpr char kEditorViewName[] = "editor";
} // namespace

IPlugView* PLUGIN_API Vst3Plugin::createView(FIDString name)
{
    if (!name || std::strcmp(name, kEditorViewName) != 0 || !EditorOffered(*this))
        return nullptr;
    auto* view = new Vst3View(*this);
    editorViews.push_back(view);
    return view;
}

void Vst3Plugin::ForgetView(Vst3View* view)
{
    const auto found = std::find(editorViews.begin(), editorViews.end(), view);
    if (found != editorViews.end())
        editorViews.erase(found);
}

bool Vst3Plugin::ResizeEditor(int width, int height)
{
    if (!EditorOffered(*this) || editorViews.empty())
        return true;
    return editorViews.front()->RequestResize(width, height);
}
