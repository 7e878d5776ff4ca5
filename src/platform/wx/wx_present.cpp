#include "platform/wx/wx_present.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace platform::wx {

#ifdef __WXGTK__

namespace {

// How often the window is looked for until it is on screen (a few turns at most).
constexpr unsigned kPollMilliseconds = 5;

}  // namespace

PresentWhenShown::PresentWhenShown(wxWindow& window) : window_(window) {
  source_ = g_timeout_add(kPollMilliseconds,
                          reinterpret_cast<GSourceFunc>(&PresentWhenShown::OnIdle), this);
}

PresentWhenShown::~PresentWhenShown() {
  if (source_ != 0) g_source_remove(source_);
}

int PresentWhenShown::OnIdle(void* self) {
  auto* p = static_cast<PresentWhenShown*>(self);
  GtkWidget* widget = p->window_.GetHandle();
  // Not yet created or mapped: a native box is made inside its modal run.
  if (widget == nullptr || !gtk_widget_get_mapped(widget)) return G_SOURCE_CONTINUE;
  gtk_window_present(GTK_WINDOW(widget));
  p->source_ = 0;
  return G_SOURCE_REMOVE;
}

#else

PresentWhenShown::PresentWhenShown(wxWindow& window) : window_(window) {}
PresentWhenShown::~PresentWhenShown() = default;
int PresentWhenShown::OnIdle(void*) { return 0; }

#endif

}  // namespace platform::wx
