#pragma once

#include "plugin/editor/MenuHotSpot.h"

// The question mark's menu: the user manual and the maker's pages, opened as
// links (a failure is silent).
class HelpMenu : public MenuHotSpot {
public:
    HelpMenu(PluginBase* plugin, const PixelRect& rect);

protected:
    void OpenMenu(Graphics& editor) override;
};
