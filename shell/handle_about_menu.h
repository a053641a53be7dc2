#pragma once

// The application object: it holds the shared menu bar, shows the About window for either
// About item, and keeps AboutPXM enabled in every menu update.

#include "shell/framework/application.h"

class HandleAboutMenu final : public fw::Application {
public:
  void Event_EnableMenuItems() override;
  // Each shows the About window and reports false.
  bool _AboutPXM_Action();
  bool _AboutMenuItem_Action();
};

// The application object that the layer holds; NilObjectException when there is none (or it
// is not a HandleAboutMenu).
HandleAboutMenu& App();
