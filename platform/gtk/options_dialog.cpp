#include "platform/gtk/ansi_text.h"
#include "platform/gtk/gtk_platform.h"

namespace {

// The dialog's client area and its controls, in twips.
struct ControlPlace {
    int left, top, width, height;
};
constexpr int kClientWidth = 9480;
constexpr int kClientHeight = 6795;
constexpr ControlPlace kTxtContent = {240, 240, 9015, 5535};
constexpr ControlPlace kBtnSave = {1560, 6000, 972, 492};
constexpr ControlPlace kBtnQuit = {6600, 6000, 972, 492};

constexpr const char* kDialogStyle =
    "window.kelo-options { background-color: rgb(192, 192, 192); }\n"
    "window.kelo-options textview { font-family: \"Courier New\", monospace; font-size: 9pt; }\n"
    "window.kelo-options button { font-family: \"MS Sans Serif\", sans-serif; font-size: 8.25pt;"
    " font-weight: bold; padding: 0; min-height: 0; min-width: 0; }\n";

}  // namespace

int GtkOptionsDialog::Pixels(int twips) const {
    const int perPixel = twipsPerPixel_ > 0 ? twipsPerPixel_ : 15;
    return (twips + perPixel / 2) / perPixel;
}

void GtkOptionsDialog::ShowModal(OptionsDialogEvents& events) {
    events_ = &events;
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), "Program Options");
    gtk_window_set_modal(GTK_WINDOW(window_), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
    gtk_widget_set_size_request(window_, Pixels(kClientWidth), Pixels(kClientHeight));
    gtk_style_context_add_class(gtk_widget_get_style_context(window_), "kelo-options");
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kDialogStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gtk_widget_get_screen(window_), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);

    GtkWidget* fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(window_), fixed);

    // txtContent: multi-line, both scroll bars always shown, no wrapping.
    GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_ALWAYS, GTK_POLICY_ALWAYS);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    gtk_widget_set_size_request(scroller, Pixels(kTxtContent.width), Pixels(kTxtContent.height));
    GtkWidget* text = gtk_text_view_new();
    gtk_widget_set_name(text, "txtContent");
    gtk_text_view_set_monospace(GTK_TEXT_VIEW(text), TRUE);
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(text), GTK_WRAP_NONE);
    gtk_container_add(GTK_CONTAINER(scroller), text);
    gtk_fixed_put(GTK_FIXED(fixed), scroller, Pixels(kTxtContent.left), Pixels(kTxtContent.top));
    buffer_ = gtk_text_view_get_buffer(GTK_TEXT_VIEW(text));

    GtkWidget* save = gtk_button_new_with_label("Save");
    gtk_widget_set_name(save, "btnSave");
    gtk_widget_set_size_request(save, Pixels(kBtnSave.width), Pixels(kBtnSave.height));
    gtk_fixed_put(GTK_FIXED(fixed), save, Pixels(kBtnSave.left), Pixels(kBtnSave.top));
    GtkWidget* quit = gtk_button_new_with_label("Quit");
    gtk_widget_set_name(quit, "btnQuit");
    gtk_widget_set_size_request(quit, Pixels(kBtnQuit.width), Pixels(kBtnQuit.height));
    gtk_fixed_put(GTK_FIXED(fixed), quit, Pixels(kBtnQuit.left), Pixels(kBtnQuit.top));

    // Form_Load fills the text before the change handler is connected and before the dialog shows.
    events.Form_Load();
    g_signal_connect(buffer_, "changed", G_CALLBACK(OnChanged), this);
    g_signal_connect(save, "clicked", G_CALLBACK(OnSave), this);
    g_signal_connect(quit, "clicked", G_CALLBACK(OnQuit), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);

    GtkTextIter start;
    gtk_text_buffer_get_start_iter(buffer_, &start);
    gtk_text_buffer_place_cursor(buffer_, &start);
    gtk_widget_show_all(window_);
    gtk_widget_grab_focus(text);

    boxes_.PushOwner(GTK_WINDOW(window_));
    loop_ = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop_);
    g_main_loop_unref(loop_);
    loop_ = nullptr;
    boxes_.PopOwner();
    events_ = nullptr;
}

void GtkOptionsDialog::Unload() {
    if (window_ == nullptr) return;
    GtkWidget* window = window_;
    window_ = nullptr;
    buffer_ = nullptr;
    gtk_widget_destroy(window);
    if (loop_ != nullptr) g_main_loop_quit(loop_);
}

std::string GtkOptionsDialog::ContentText() {
    if (buffer_ == nullptr) return "";
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(buffer_, &start, &end);
    gchar* utf8 = gtk_text_buffer_get_text(buffer_, &start, &end, FALSE);
    std::string text = LinesFromTextView(utf8);
    if (!contentUtf8_) text = AnsiFromUtf8(text);
    g_free(utf8);
    return text;
}

void GtkOptionsDialog::SetContentText(const std::string& text) {
    if (buffer_ == nullptr) return;
    const std::string lines = LinesForTextView(text);
    std::string utf8 = contentUtf8_ ? lines : Utf8FromAnsi(lines);
    if (!g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr)) {
        // A text view holds only valid UTF-8: a broken sequence (a lone surrogate of a UTF-16 file) or
        // a NUL becomes the replacement character.
        gchar* valid = g_utf8_make_valid(utf8.data(), static_cast<gssize>(utf8.size()));
        utf8 = valid;
        g_free(valid);
    }
    gtk_text_buffer_set_text(buffer_, utf8.c_str(), static_cast<gint>(utf8.size()));
}

void GtkOptionsDialog::OnSave(GtkButton*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->btnSave_Click();
}

void GtkOptionsDialog::OnQuit(GtkButton*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->btnQuit_Click();
}

void GtkOptionsDialog::OnChanged(GtkTextBuffer*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->txtContent_Change();
}

gboolean GtkOptionsDialog::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    static_cast<GtkOptionsDialog*>(self)->Unload();
    return TRUE;
}
