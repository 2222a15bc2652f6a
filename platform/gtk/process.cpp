#include <cstdlib>

#include "platform/gtk/gtk_platform.h"

void GtkProcess::End(int status) {
    // The windows go with the display connection; nothing of GTK runs after this.
    if (GdkDisplay* display = gdk_display_get_default()) gdk_display_flush(display);
    std::exit(status);
}
