#include "app/template_bridge.h"

#include "app/main_window.h"

TemplateBridge::TemplateBridge(Tfrmprincipal &window) : m_window(window) {}
