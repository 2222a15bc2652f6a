#include "platform/gtk/gtk_platform.h"

IdleInhibit::~IdleInhibit() {
    if (app_ != nullptr && cookie_ != 0) gtk_application_uninhibit(app_, cookie_);
    if (bus_ != nullptr && cookie_ != 0) {
        g_dbus_connection_call_sync(bus_, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                    "org.freedesktop.ScreenSaver", "UnInhibit", g_variant_new("(u)", cookie_),
                                    nullptr, G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
    }
    if (bus_ != nullptr) g_object_unref(bus_);
}

void IdleInhibit::Begin(GtkApplication* app, GtkWindow* window, const char* reason) {
    if (cookie_ != 0) return;
    // The desktop session's own inhibitor (GNOME's session manager, or the portal).
    if (app != nullptr) {
        cookie_ = gtk_application_inhibit(app, window, GTK_APPLICATION_INHIBIT_IDLE, reason);
        if (cookie_ != 0) {
            app_ = app;
            how_ = "GtkApplication";
            return;
        }
    }
    // Other desktops (KDE, Xfce, MATE, Cinnamon) take the freedesktop screen-saver call; the inhibit
    // ends when the bus connection closes with the process.
    bus_ = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus_ == nullptr) return;
    GVariant* reply = g_dbus_connection_call_sync(
        bus_, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
        "Inhibit", g_variant_new("(ss)", "kelo", reason), G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, 2000,
        nullptr, nullptr);
    if (reply == nullptr) return;
    g_variant_get(reply, "(u)", &cookie_);
    g_variant_unref(reply);
    if (cookie_ != 0) how_ = "org.freedesktop.ScreenSaver";
}
