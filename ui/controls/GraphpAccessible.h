#pragma once
// The graphic panel as screen readers see it: a label that reads its caption, or, when it
// is pickable, a choice (a radio button) that is checked while picked and can be pressed.
// The panel draws itself, so Qt learns this through an accessible-interface factory.

namespace nudgery {

// Makes screen readers read every graphic panel from now on; TGraphicPanel calls it, once
// is enough.
void InstallGraphicPanelAccessibility();

} // namespace nudgery
