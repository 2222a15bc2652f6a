#include "platform/gtk/gtk_platform.h"

#include <algorithm>

int GtkPointer::ShowCursor(bool show) {
    count_ += show ? 1 : -1;
    Apply();
    return count_;
}

void GtkPointer::Attach(GtkWidget* window) {
    windows_.push_back(window);
    g_signal_connect(window, "realize", G_CALLBACK(OnRealize), this);
    Apply(window);
}

void GtkPointer::Detach(GtkWidget* window) {
    g_signal_handlers_disconnect_by_data(window, this);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

void GtkPointer::OnRealize(GtkWidget* widget, gpointer self) { static_cast<GtkPointer*>(self)->Apply(widget); }

void GtkPointer::Apply() {
    for (GtkWidget* window : windows_) Apply(window);
}

void GtkPointer::Apply(GtkWidget* window) {
    GdkWindow* w = gtk_widget_get_window(window);
    if (w == nullptr) return;
    GdkCursor* cursor = nullptr;
    if (count_ < 0) cursor = gdk_cursor_new_for_display(gdk_window_get_display(w), GDK_BLANK_CURSOR);
    gdk_window_set_cursor(w, cursor);
    if (cursor != nullptr) g_object_unref(cursor);
}
