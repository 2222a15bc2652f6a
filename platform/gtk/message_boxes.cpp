#include "platform/gtk/gtk_platform.h"

void GtkMessageBoxes::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    GtkWindow* owner = owners_.empty() ? nullptr : owners_.back();
    const GtkMessageType type = icon == MessageIcon::Exclamation ? GTK_MESSAGE_WARNING : GTK_MESSAGE_INFO;
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), title.c_str());
    gtk_window_set_position(GTK_WINDOW(box), owner != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
