#include "platform/wx/wx_accessibility.h"

#include <wx/window.h>

#include <string>

#ifdef __WXGTK__
#include <atk/atk.h>
#include <gtk/gtk.h>
#endif

namespace platform::wx {

#ifdef __WXGTK__

namespace {

void NameWidget(GtkWidget* widget, const std::string& name) {
  if (AtkObject* accessible = gtk_widget_get_accessible(widget)) {
    atk_object_set_name(accessible, name.c_str());
  }
}

}  // namespace

void SetAccessibleName(wxWindow& control, std::string_view name) {
  GtkWidget* widget = control.GetHandle();
  if (widget == nullptr) return;
  const std::string text(name);
  NameWidget(widget, text);
  // The part that takes the focus: a combo box's edit field, the text view of an edit of
  // several lines (in a scrolled window).
  if (GTK_IS_COMBO_BOX(widget) || GTK_IS_SCROLLED_WINDOW(widget)) {
    if (GtkWidget* inner = gtk_bin_get_child(GTK_BIN(widget))) NameWidget(inner, text);
  }
}

// A redundant object is, in ATK's words, one that clients should normally ignore.
void HideFromScreenReader(wxWindow& control) {
  GtkWidget* widget = control.GetHandle();
  if (widget == nullptr) return;
  if (AtkObject* accessible = gtk_widget_get_accessible(widget)) {
    atk_object_set_role(accessible, ATK_ROLE_REDUNDANT_OBJECT);
  }
}

void AnnounceThrough(wxWindow& window, std::string_view text) {
  GtkWidget* widget = window.GetHandle();
  if (widget == nullptr) return;
  AtkObject* accessible = gtk_widget_get_accessible(widget);
  if (accessible == nullptr) return;
  const std::string sentence(text);
  // ATK 2.50 replaced `announcement` with `notification`, which also carries how urgent the
  // text is. The library loaded may be newer than the headers built against (a system with
  // backports), so the signal is looked up at run time, and ATK's value for "polite" (the
  // reader finishes what it is saying first; AtkLive of ATK 2.50) is spelled out here.
  constexpr gint kPolite = 1;
  if (g_signal_lookup("notification", ATK_TYPE_OBJECT) != 0) {
    g_signal_emit_by_name(accessible, "notification", sentence.c_str(), kPolite);
  } else if (g_signal_lookup("announcement", ATK_TYPE_OBJECT) != 0) {
    // ATK 2.46 and 2.48; older libraries have neither signal and would warn about it.
    g_signal_emit_by_name(accessible, "announcement", sentence.c_str());
  }
}

#else

void SetAccessibleName(wxWindow&, std::string_view) {}
void HideFromScreenReader(wxWindow&) {}
void AnnounceThrough(wxWindow&, std::string_view) {}

#endif

}  // namespace platform::wx
