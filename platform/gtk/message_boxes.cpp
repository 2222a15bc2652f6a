#include "platform/gtk/gtk_platform.h"

#include <gtk-layer-shell.h>

#include <algorithm>

void GtkMessageBoxes::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    // Traced for the end-to-end tests (G_MESSAGES_DEBUG=kelo): the text is not readable on the screen.
    g_log("kelo", G_LOG_LEVEL_DEBUG, "message box \"%s\": %s", title.c_str(), text.c_str());
    GtkWindow* owner = owners_.empty() ? nullptr : owners_.back();
    // Over a layer surface (the saver on a Wayland overlay layer) a window would open beneath the chart,
    // out of sight, and hold the input that ends the saver: the message goes over the picture instead.
    if (owner != nullptr && gtk_layer_is_layer_window(owner)) {
        if (std::find(notices_.begin(), notices_.end(), text) == notices_.end()) notices_.push_back(text);
        return;
    }
    const GtkMessageType type = icon == MessageIcon::Exclamation ? GTK_MESSAGE_WARNING : GTK_MESSAGE_INFO;
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), title.c_str());
    // GTK 3 no longer draws the message type's icon by itself.
    GtkWidget* image = gtk_image_new_from_icon_name(
        icon == MessageIcon::Exclamation ? "dialog-warning" : "dialog-information", GTK_ICON_SIZE_DIALOG);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(image);
    gtk_window_set_position(GTK_WINDOW(box), owner != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

void GtkMessageBoxes::ReplaceOwner(GtkWindow* gone, GtkWindow* now) {
    for (GtkWindow*& owner : owners_)
        if (owner == gone) owner = now;
    owners_.erase(std::remove(owners_.begin(), owners_.end(), nullptr), owners_.end());
}
