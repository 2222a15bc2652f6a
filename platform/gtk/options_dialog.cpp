// "Program Options" on GTK 3. Layout:
//
//   +- notebook -------------------------------------+  +- preview -------------------+
//   | Place | Chart | Screen | Look | Text           |  |                             |
//   |  one page per group of fields, in a grid:      |  |  the chart of now with the  |
//   |  label, control(s), and under them the message |  |  values as edited, 4:3      |
//   |  of a check the values fail (red)              |  |                             |
//   +------------------------------------------------+  +-----------------------------+
//                                                            [ Save ]  [ Quit ]
//
// The controls are made from the form's layout (OptionsFormLayout); each is named after its field
// ("latitudeDegrees") for tests and accessibility tools. The text page is the editor's text box as it
// always was. Every change goes to the form, which keeps the fields and the text in step; the dialog
// only shows what it is told. A number's arrows only count steps: its text is the form's.
#include <algorithm>
#include <cmath>

#include "platform/gtk/ansi_text.h"
#include "platform/gtk/gtk_platform.h"
#include "platform/gtk/wallpaper_at_login.h"

namespace {

constexpr int kPreviewWidth = 400;  // the preview's smallest size, 4:3 as the chart window's picture
constexpr int kPreviewHeight = 300;
constexpr int kCitiesShown = 6;          // rows of the city list visible without scrolling
constexpr int kLargeScreenWidth = 1280;  // from this width on the dialog takes 3/4 of the screen

constexpr const char* kDialogStyle =
    "window.kelo-options textview { font-family: \"Courier New\", monospace; font-size: 9pt; }\n"
    "window.kelo-options label.kelo-problem { color: #b00000; }\n"
    "window.kelo-options label.kelo-page-note { color: #555555; }\n";

// The name that screen readers say for a control; shown as its tooltip too when it has no label of
// its own beside it.
void SetAccessibleName(GtkWidget* widget, const char* label, bool tooltip = false) {
    std::string name;
    for (const char* c = label; *c != 0; ++c)
        if (*c != '_') name += *c;
    atk_object_set_name(gtk_widget_get_accessible(widget), name.c_str());
    if (tooltip) gtk_widget_set_tooltip_text(widget, name.c_str());
}

GdkPixbuf* Swatch(Rgb colour) {
    GdkPixbuf* swatch = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 28, 14);
    gdk_pixbuf_fill(swatch, 0x000000FF);  // a black frame
    GdkPixbuf* inside = gdk_pixbuf_new_subpixbuf(swatch, 1, 1, 26, 12);
    gdk_pixbuf_fill(inside, (guint32{colour.r} << 24) | (guint32{colour.g} << 16) | (guint32{colour.b} << 8) | 0xFF);
    g_object_unref(inside);
    return swatch;
}

// The lines of a text view's text (split at "\n").
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

struct GtkOptionsDialog::Form {
    GtkOptionsDialog* dialog = nullptr;
    const std::vector<FormField>& fields;
    std::vector<GtkWidget*> controls;  // by field
    std::vector<GtkWidget*> problems;  // the check's message under the field, by field
    std::vector<GtkWidget*> labels;    // the field's own label, when it has one
    std::vector<double> arrowCounts;   // by Number field: its arrows' count of steps so far
    GtkWidget* notebook = nullptr;
    GtkWidget* preview = nullptr;
    GtkWidget* cityEntry = nullptr;
    GtkWidget* cityList = nullptr;
    GtkWidget* text = nullptr;
    GtkWidget* summary = nullptr;  // what failing checks mean, under the preview
    GtkWidget* wallpaperAtLogin = nullptr;  // the Screen page's check box, not a settings line
    int setting = 0;  // the dialog is setting its own controls: no events
    guint previewTimer = 0;
    FreeTypeFontRegistry fonts;
    CairoWindowSurface surface{fonts};

    explicit Form(GtkOptionsDialog* d) : dialog(d), fields(d->layout_.fields) {
        controls.assign(fields.size(), nullptr);
        problems.assign(fields.size(), nullptr);
        labels.assign(fields.size(), nullptr);
        arrowCounts.assign(fields.size(), 0);
    }
    ~Form() {
        if (previewTimer != 0) g_source_remove(previewTimer);
        for (GtkWidget* problem : problems)
            if (problem != nullptr) g_object_unref(problem);
    }

    OptionsDialogEvents* Events() const { return setting == 0 ? dialog->events_ : nullptr; }

    // ---- Controls ----

    GtkWidget* MakeControl(int field) {
        const FormField& f = fields[field];
        GtkWidget* w = nullptr;
        switch (f.kind) {
            case FieldKind::Number: {
                // The adjustment counts the arrows' steps (Page Up and Down: 5); the text is the form's.
                GtkAdjustment* count = gtk_adjustment_new(0, -1e9, 1e9, 1, 5, 0);
                w = gtk_spin_button_new(count, 1, 0);
                gtk_spin_button_set_numeric(GTK_SPIN_BUTTON(w), FALSE);
                gtk_entry_set_width_chars(GTK_ENTRY(w), 5);
                gtk_entry_set_activates_default(GTK_ENTRY(w), TRUE);
                g_signal_connect(w, "input", G_CALLBACK(OnSpinInput), nullptr);
                g_signal_connect(w, "output", G_CALLBACK(OnSpinOutput), nullptr);
                g_signal_connect(w, "value-changed", G_CALLBACK(OnSpinArrows), this);
                g_signal_connect(w, "changed", G_CALLBACK(OnSpinTyped), this);
                break;
            }
            case FieldKind::Toggle:
                w = gtk_check_button_new_with_mnemonic(f.label);
                g_signal_connect(w, "toggled", G_CALLBACK(OnToggled), this);
                break;
            case FieldKind::Choice: {
                w = gtk_combo_box_text_new();
                for (const char* c : f.choiceNames) gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(w), c);
                g_signal_connect(w, "changed", G_CALLBACK(OnComboChanged), this);
                break;
            }
            case FieldKind::Colour: {
                GtkListStore* store = gtk_list_store_new(2, GDK_TYPE_PIXBUF, G_TYPE_STRING);
                for (std::size_t i = 0; i < f.choiceNames.size() && i < 16; ++i) {
                    GdkPixbuf* swatch = Swatch(dialog->layout_.palette[i]);
                    gtk_list_store_insert_with_values(store, nullptr, -1, 0, swatch, 1, f.choiceNames[i], -1);
                    g_object_unref(swatch);
                }
                w = gtk_combo_box_new_with_model(GTK_TREE_MODEL(store));
                g_object_unref(store);
                gtk_combo_box_set_wrap_width(GTK_COMBO_BOX(w), 4);  // a 4 x 4 grid of swatches when open
                GtkCellRenderer* pixbuf = gtk_cell_renderer_pixbuf_new();
                gtk_cell_layout_pack_start(GTK_CELL_LAYOUT(w), pixbuf, FALSE);
                gtk_cell_layout_add_attribute(GTK_CELL_LAYOUT(w), pixbuf, "pixbuf", 0);
                GtkCellRenderer* name = gtk_cell_renderer_text_new();
                gtk_cell_layout_pack_start(GTK_CELL_LAYOUT(w), name, TRUE);
                gtk_cell_layout_add_attribute(GTK_CELL_LAYOUT(w), name, "text", 1);
                g_signal_connect(w, "changed", G_CALLBACK(OnComboChanged), this);
                break;
            }
        }
        gtk_widget_set_name(w, f.name);
        g_object_set_data(G_OBJECT(w), "kelo-field", GINT_TO_POINTER(field + 1));
        // Minutes, directions and sizes have no label of their own: their names are their tooltips.
        if (f.kind != FieldKind::Toggle) SetAccessibleName(w, f.label, std::string(f.label).find('_') == std::string::npos);
        controls[field] = w;
        GtkWidget* problem = gtk_label_new("");
        gtk_label_set_xalign(GTK_LABEL(problem), 0);
        gtk_label_set_line_wrap(GTK_LABEL(problem), TRUE);
        gtk_label_set_max_width_chars(GTK_LABEL(problem), 48);
        gtk_style_context_add_class(gtk_widget_get_style_context(problem), "kelo-problem");
        gtk_widget_set_no_show_all(problem, TRUE);
        gtk_widget_set_name(problem, (std::string(f.name) + "Problem").c_str());
        g_object_ref_sink(problem);  // held by the form: not every page gives it a place
        problems[field] = problem;
        return w;
    }

    int FieldNamed(const char* name) const {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (std::string(fields[i].name) == name) return static_cast<int>(i);
        return -1;
    }

    // The field's label, its mnemonic leading to the control.
    GtkWidget* Label(int field) {
        GtkWidget* label = gtk_label_new_with_mnemonic(fields[field].label);
        gtk_label_set_mnemonic_widget(GTK_LABEL(label), controls[field]);
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        labels[field] = label;
        return label;
    }

    static int FieldOf(gpointer widget) { return GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), "kelo-field")) - 1; }

    // A row of the grid: label, controls; the message of a failed check on the row below.
    static void AddRow(GtkWidget* grid, int& row, GtkWidget* label, std::initializer_list<GtkWidget*> parts,
                       std::initializer_list<GtkWidget*> messages) {
        if (label != nullptr) gtk_grid_attach(GTK_GRID(grid), label, 0, row, 1, 1);
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
        // A drop-down alone on its row fills the column, so that the drop-downs of a page line up.
        const bool fill = parts.size() == 1 && GTK_IS_COMBO_BOX(*parts.begin());
        for (GtkWidget* part : parts) gtk_box_pack_start(GTK_BOX(box), part, fill, fill, 0);
        gtk_grid_attach(GTK_GRID(grid), box, label != nullptr ? 1 : 0, row, label != nullptr ? 1 : 2, 1);
        ++row;
        for (GtkWidget* message : messages) {
            gtk_grid_attach(GTK_GRID(grid), message, 1, row, 1, 1);
            ++row;
        }
    }

    static GtkWidget* Grid() {
        GtkWidget* grid = gtk_grid_new();
        gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
        gtk_grid_set_column_spacing(GTK_GRID(grid), 12);
        gtk_container_set_border_width(GTK_CONTAINER(grid), 12);
        return grid;
    }

    static GtkWidget* Unit(const char* text) { return gtk_label_new(text); }

    // ---- Pages ----

    GtkWidget* PlacePage() {
        GtkWidget* grid = Grid();
        int row = 0;
        cityEntry = gtk_search_entry_new();
        gtk_widget_set_name(cityEntry, "citySearch");
        gtk_entry_set_placeholder_text(GTK_ENTRY(cityEntry), "A city of the time-zone database");
        gtk_widget_set_hexpand(cityEntry, TRUE);
        GtkWidget* cityLabel = gtk_label_new_with_mnemonic("Find a cit_y");
        gtk_label_set_mnemonic_widget(GTK_LABEL(cityLabel), cityEntry);
        gtk_label_set_xalign(GTK_LABEL(cityLabel), 0);
        g_signal_connect(cityEntry, "search-changed", G_CALLBACK(OnCitySearch), this);
        g_signal_connect(cityEntry, "activate", G_CALLBACK(OnCityEnter), this);
        gtk_grid_attach(GTK_GRID(grid), cityLabel, 0, row, 1, 1);
        gtk_grid_attach(GTK_GRID(grid), cityEntry, 1, row++, 1, 1);
        cityList = gtk_list_box_new();
        gtk_widget_set_name(cityList, "cityList");
        SetAccessibleName(cityList, "Cities found");
        g_signal_connect(cityList, "row-activated", G_CALLBACK(OnCityChosen), this);
        GtkWidget* hint = gtk_label_new("Type a city's name above, then choose it here.");
        gtk_style_context_add_class(gtk_widget_get_style_context(hint), "kelo-page-note");
        gtk_widget_show(hint);
        gtk_list_box_set_placeholder(GTK_LIST_BOX(cityList), hint);
        GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
        gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
        gtk_scrolled_window_set_min_content_height(GTK_SCROLLED_WINDOW(scroller), kCitiesShown * 22);
        gtk_container_add(GTK_CONTAINER(scroller), cityList);
        gtk_grid_attach(GTK_GRID(grid), scroller, 1, row++, 1, 1);

        const int latD = FieldNamed("latitudeDegrees"), latM = FieldNamed("latitudeMinutes"),
                  latS = FieldNamed("latitudeDirection");
        GtkWidget* d = MakeControl(latD);
        GtkWidget* m = MakeControl(latM);
        GtkWidget* s = MakeControl(latS);
        AddRow(grid, row, Label(latD), {d, Unit("°"), m, Unit("′"), s}, {problems[latD], problems[latM]});
        const int lonD = FieldNamed("longitudeDegrees"), lonM = FieldNamed("longitudeMinutes"),
                  lonE = FieldNamed("longitudeDirection");
        d = MakeControl(lonD);
        m = MakeControl(lonM);
        s = MakeControl(lonE);
        AddRow(grid, row, Label(lonD), {d, Unit("°"), m, Unit("′"), s}, {problems[lonD], problems[lonM]});
        const int source = FieldNamed("zoneSource"), offset = FieldNamed("zoneOffset");
        GtkWidget* zone = MakeControl(source);
        AddRow(grid, row, Label(source), {zone}, {});
        GtkWidget* hours = MakeControl(offset);
        gtk_widget_set_tooltip_text(hours, "The offset of this computer's clock from UTC (New York -5, Paris +1); "
                                           "choosing a city does not change it");
        AddRow(grid, row, Label(offset), {hours, Unit("(New York -5)")}, {problems[offset]});
        AddListRows(grid, row, FormPage::Place);
        return grid;
    }

    // Label and control, one field to a row, in the order of the table.
    GtkWidget* ListPage(FormPage page) {
        GtkWidget* grid = Grid();
        int row = 0;
        AddListRows(grid, row, page);
        // The desktop background at login is the desktop's autostart entry, not the settings file's.
        if (page == FormPage::Screen) {
            wallpaperAtLogin = NewWallpaperAtLoginBox();
            AddRow(grid, row, nullptr, {wallpaperAtLogin}, {});
        }
        return grid;
    }

    // A row for each field of the page that has no control yet.
    void AddListRows(GtkWidget* grid, int& row, FormPage page) {
        for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
            if (fields[i].page != page || controls[i] != nullptr) continue;
            GtkWidget* control = MakeControl(i);
            AddRow(grid, row, fields[i].kind == FieldKind::Toggle ? nullptr : Label(i), {control}, {problems[i]});
        }
    }

    // Colour and size of each part of the picture, a row each, scrolled.
    GtkWidget* LookPage() {
        GtkWidget* page = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        GtkWidget* grid = Grid();
        gtk_grid_set_row_spacing(GTK_GRID(grid), 4);
        const char* headings[] = {"Colour", "Size (points)"};
        for (int h = 0; h < 2; ++h) {
            GtkWidget* heading = gtk_label_new(headings[h]);
            gtk_style_context_add_class(gtk_widget_get_style_context(heading), "kelo-page-note");
            gtk_label_set_xalign(GTK_LABEL(heading), 0);
            gtk_grid_attach(GTK_GRID(grid), heading, 1 + h, 0, 1, 1);
        }
        int row = 0;
        for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
            if (fields[i].page != FormPage::Look) continue;
            // A colour starts a row and the size after it joins the row; a size of its own (the aspect
            // glyphs) is a row with its own label.
            const bool joins = fields[i].kind == FieldKind::Number && i > 0 && fields[i - 1].kind == FieldKind::Colour &&
                               std::string(fields[i].label).find('_') == std::string::npos;
            if (!joins) ++row;
            GtkWidget* control = MakeControl(i);
            if (!joins) gtk_grid_attach(GTK_GRID(grid), Label(i), 0, row, 1, 1);
            gtk_grid_attach(GTK_GRID(grid), control, fields[i].kind == FieldKind::Colour ? 1 : 2, row, 1, 1);
        }
        GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
        gtk_scrolled_window_set_propagate_natural_width(GTK_SCROLLED_WINDOW(scroller), TRUE);
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);  // more rows below
        gtk_widget_set_vexpand(scroller, TRUE);
        gtk_container_add(GTK_CONTAINER(scroller), grid);
        gtk_box_pack_start(GTK_BOX(page), scroller, TRUE, TRUE, 0);
        return page;
    }

    // A page of the form, with "Restore defaults" below it when the page is restorable.
    GtkWidget* FormPageOf(int page) {
        GtkWidget* content = page == static_cast<int>(FormPage::Place)  ? PlacePage()
                             : page == static_cast<int>(FormPage::Look) ? LookPage()
                                                                        : ListPage(static_cast<FormPage>(page));
        if (!dialog->layout_.pages[page].restorable) return content;
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        gtk_box_pack_start(GTK_BOX(box), content, TRUE, TRUE, 0);
        GtkWidget* restore = gtk_button_new_with_label("Restore defaults");  // every letter is some field's mnemonic
        gtk_widget_set_name(restore, "btnDefaults");
        gtk_widget_set_tooltip_text(restore, "This page's settings as the settings file was shipped");
        g_object_set_data(G_OBJECT(restore), "kelo-page", GINT_TO_POINTER(page));
        g_signal_connect(restore, "clicked", G_CALLBACK(OnDefaults), this);
        GtkWidget* bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
        gtk_container_set_border_width(GTK_CONTAINER(bar), 6);
        gtk_box_pack_end(GTK_BOX(bar), restore, FALSE, FALSE, 6);
        gtk_box_pack_start(GTK_BOX(box), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL), FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
        return box;
    }

    GtkWidget* TextPage() {
        GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_ALWAYS, GTK_POLICY_ALWAYS);
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
        gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
        gtk_container_set_border_width(GTK_CONTAINER(scroller), 6);
        text = gtk_text_view_new();
        gtk_widget_set_name(text, "txtContent");
        SetAccessibleName(text, "Settings file text");
        gtk_text_view_set_monospace(GTK_TEXT_VIEW(text), TRUE);
        gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(text), GTK_WRAP_NONE);
        gtk_container_add(GTK_CONTAINER(scroller), text);
        return scroller;
    }

    GtkWidget* Preview() {
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
        preview = gtk_drawing_area_new();
        gtk_widget_set_name(preview, "picPreview");
        gtk_widget_set_size_request(preview, kPreviewWidth, kPreviewHeight);
        gtk_widget_set_hexpand(preview, TRUE);
        gtk_widget_set_vexpand(preview, TRUE);
        g_signal_connect(preview, "draw", G_CALLBACK(OnPreviewDraw), this);
        GtkWidget* frame = gtk_frame_new(nullptr);
        gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
        gtk_container_add(GTK_CONTAINER(frame), preview);
        GtkWidget* caption = gtk_label_new(dialog->layout_.previewCaption);
        gtk_label_set_line_wrap(GTK_LABEL(caption), TRUE);
        gtk_label_set_max_width_chars(GTK_LABEL(caption), 40);
        gtk_style_context_add_class(gtk_widget_get_style_context(caption), "kelo-page-note");
        summary = gtk_label_new("");
        gtk_widget_set_name(summary, "problemSummary");
        gtk_label_set_line_wrap(GTK_LABEL(summary), TRUE);
        gtk_label_set_max_width_chars(GTK_LABEL(summary), 48);
        gtk_style_context_add_class(gtk_widget_get_style_context(summary), "kelo-problem");
        gtk_widget_set_no_show_all(summary, TRUE);
        gtk_box_pack_start(GTK_BOX(box), frame, TRUE, TRUE, 0);
        gtk_box_pack_start(GTK_BOX(box), caption, FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(box), summary, FALSE, FALSE, 0);
        return box;
    }

    // ---- Signals ----

    void Changed(int field) {
        if (OptionsDialogEvents* e = Events()) e->Field_Change(field);
    }

    // The text is never the adjustment's: neither read into it nor written from it.
    static gint OnSpinInput(GtkSpinButton* spin, gdouble* value, gpointer) {
        *value = gtk_adjustment_get_value(gtk_spin_button_get_adjustment(spin));
        return TRUE;
    }
    static gboolean OnSpinOutput(GtkSpinButton*, gpointer) { return TRUE; }
    static void OnSpinArrows(GtkSpinButton* spin, gpointer self) {
        auto* form = static_cast<Form*>(self);
        const int field = FieldOf(spin);
        const double count = gtk_adjustment_get_value(gtk_spin_button_get_adjustment(spin));
        const int steps = static_cast<int>(std::lround(count - form->arrowCounts[field]));
        form->arrowCounts[field] = count;
        if (OptionsDialogEvents* e = form->Events(); e != nullptr && steps != 0) e->Field_Step(field, steps);
    }
    // As the user types: the checks see the number typed so far.
    static void OnSpinTyped(GtkEditable* spin, gpointer self) {
        auto* form = static_cast<Form*>(self);
        if (form->setting == 0 && gtk_widget_has_focus(GTK_WIDGET(spin))) form->Changed(FieldOf(spin));
    }
    static void OnToggled(GtkToggleButton* button, gpointer self) {
        gtk_toggle_button_set_inconsistent(button, FALSE);
        static_cast<Form*>(self)->Changed(FieldOf(button));
    }
    static void OnComboChanged(GtkComboBox* combo, gpointer self) { static_cast<Form*>(self)->Changed(FieldOf(combo)); }

    static void OnCitySearch(GtkSearchEntry* entry, gpointer self) {
        if (OptionsDialogEvents* e = static_cast<Form*>(self)->Events()) e->txtCity_Change(gtk_entry_get_text(GTK_ENTRY(entry)));
    }
    // Enter in the search takes the first city found.
    static void OnCityEnter(GtkEntry*, gpointer self) {
        auto* form = static_cast<Form*>(self);
        GtkListBoxRow* first = gtk_list_box_get_row_at_index(GTK_LIST_BOX(form->cityList), 0);
        if (first != nullptr) OnCityChosen(GTK_LIST_BOX(form->cityList), first, self);
    }
    static void OnCityChosen(GtkListBox*, GtkListBoxRow* row, gpointer self) {
        if (OptionsDialogEvents* e = static_cast<Form*>(self)->Events()) e->lstCity_Click(gtk_list_box_row_get_index(row));
    }
    static void OnDefaults(GtkButton* button, gpointer self) {
        const int page = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "kelo-page"));
        if (OptionsDialogEvents* e = static_cast<Form*>(self)->Events()) e->btnDefaults_Click(page);
    }

    static gboolean OnPreviewDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
        auto* form = static_cast<Form*>(self);
        form->surface.SetWindowSize(gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget),
                                    gtk_widget_get_scale_factor(widget));
        if (form->dialog->events_ != nullptr) form->dialog->events_->picPreview_Paint(form->surface);
        form->surface.Present(cr);
        return TRUE;
    }
    static gboolean OnPreviewTimer(gpointer self) {
        auto* form = static_cast<Form*>(self);
        form->previewTimer = 0;
        gtk_widget_queue_draw(form->preview);
        return G_SOURCE_REMOVE;
    }
};

GtkOptionsDialog::GtkOptionsDialog(GtkMessageBoxes& boxes, int twipsPerPixel, const OptionsFormLayout& layout)
    : boxes_(boxes), twipsPerPixel_(twipsPerPixel), layout_(layout) {}

GtkOptionsDialog::~GtkOptionsDialog() = default;

void GtkOptionsDialog::ShowModal(OptionsDialogEvents& events) {
    events_ = &events;
    form_ = std::make_unique<Form>(this);
    form_->setting = 1;  // no events until the form has loaded
    MakeWindow();
    FitScreen();
    // Form_Load fills the text and the fields before the change handlers are connected and before the
    // dialog shows.
    events.Form_Load();
    form_->setting = 0;
    ConnectAndShow();
    RunModalLoop();
    events_ = nullptr;
    form_.reset();
}

// The window: the pages and the preview side by side, the buttons below.
void GtkOptionsDialog::MakeWindow() {
    Form& f = *form_;
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), "Program Options");
    gtk_window_set_modal(GTK_WINDOW(window_), TRUE);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
    gtk_style_context_add_class(gtk_widget_get_style_context(window_), "kelo-options");
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kDialogStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gtk_widget_get_screen(window_), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);

    GtkWidget* outer = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window_), outer);
    GtkWidget* top = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(top), 12);
    gtk_box_pack_start(GTK_BOX(outer), top, TRUE, TRUE, 0);

    f.notebook = gtk_notebook_new();
    gtk_widget_set_name(f.notebook, "pages");
    for (int i = 0; i < static_cast<int>(layout_.pages.size()); ++i)
        gtk_notebook_append_page(GTK_NOTEBOOK(f.notebook), f.FormPageOf(i),
                                 gtk_label_new_with_mnemonic(layout_.pages[i].title));
    gtk_notebook_append_page(GTK_NOTEBOOK(f.notebook), f.TextPage(), gtk_label_new_with_mnemonic("Te_xt"));
    gtk_widget_set_hexpand(f.notebook, FALSE);  // the preview takes the room a larger dialog gives
    gtk_box_pack_start(GTK_BOX(top), f.notebook, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(top), f.Preview(), TRUE, TRUE, 0);
    buffer_ = gtk_text_view_get_buffer(GTK_TEXT_VIEW(f.text));

    gtk_box_pack_start(GTK_BOX(outer), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(outer), ButtonBar(), FALSE, FALSE, 0);
}

// Save, the default button, and Quit.
GtkWidget* GtkOptionsDialog::ButtonBar() {
    GtkWidget* buttons = gtk_button_box_new(GTK_ORIENTATION_HORIZONTAL);
    gtk_button_box_set_layout(GTK_BUTTON_BOX(buttons), GTK_BUTTONBOX_END);
    gtk_box_set_spacing(GTK_BOX(buttons), 6);
    gtk_container_set_border_width(GTK_CONTAINER(buttons), 12);
    GtkWidget* save = gtk_button_new_with_label("Save");
    gtk_widget_set_name(save, "btnSave");
    gtk_widget_set_tooltip_text(save, "Write the settings file (Ctrl+S, or Enter outside the text)");
    gtk_widget_set_can_default(save, TRUE);
    GtkWidget* quit = gtk_button_new_with_label("Quit");
    gtk_widget_set_name(quit, "btnQuit");
    gtk_widget_set_tooltip_text(quit, "Close and start the screen saver (Escape)");
    gtk_container_add(GTK_CONTAINER(buttons), save);
    gtk_container_add(GTK_CONTAINER(buttons), quit);
    gtk_window_set_default(GTK_WINDOW(window_), save);
    g_signal_connect(save, "clicked", G_CALLBACK(OnSave), this);
    g_signal_connect(quit, "clicked", G_CALLBACK(OnQuit), this);
    return buttons;
}

// On a large screen the preview grows with the dialog: about three quarters of the screen.
void GtkOptionsDialog::FitScreen() {
    GdkRectangle area{};
    GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default());
    if (monitor == nullptr) monitor = gdk_display_get_monitor(gdk_display_get_default(), 0);
    if (monitor != nullptr) gdk_monitor_get_workarea(monitor, &area);
    if (area.width >= kLargeScreenWidth)
        gtk_window_set_default_size(GTK_WINDOW(window_), area.width * 3 / 4, area.height * 3 / 4);
}

// The text's and the window's handlers, then the dialog shown with the caret at the text's start and
// the focus on the city search.
void GtkOptionsDialog::ConnectAndShow() {
    g_signal_connect(buffer_, "changed", G_CALLBACK(OnChanged), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
    GtkTextIter start;
    gtk_text_buffer_get_start_iter(buffer_, &start);
    gtk_text_buffer_place_cursor(buffer_, &start);
    gtk_widget_show_all(window_);
    gtk_widget_grab_focus(form_->cityEntry);
}

// Until Unload: message boxes meanwhile are modal to the dialog.
void GtkOptionsDialog::RunModalLoop() {
    boxes_.PushOwner(GTK_WINDOW(window_));
    loop_ = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop_);
    g_main_loop_unref(loop_);
    loop_ = nullptr;
    boxes_.PopOwner();
}

void GtkOptionsDialog::Unload() {
    if (window_ == nullptr) return;
    GtkWidget* window = window_;
    window_ = nullptr;
    buffer_ = nullptr;
    if (form_ != nullptr) form_->setting = 1;
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
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(buffer_, &start, &end);
    gchar* old = gtk_text_buffer_get_text(buffer_, &start, &end, FALSE);
    const std::vector<std::string> before = SplitLines(old), after = SplitLines(utf8);
    g_free(old);
    if (before.size() != after.size() || gtk_text_buffer_get_char_count(buffer_) == 0) {
        gtk_text_buffer_set_text(buffer_, utf8.c_str(), static_cast<gint>(utf8.size()));
        return;
    }
    // A field's edit changes a line or two: only those are replaced, so that the text keeps its place
    // and its caret, and the view lays out two lines instead of the whole file.
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        GtkTextIter from, to;
        gtk_text_buffer_get_iter_at_line(buffer_, &from, static_cast<gint>(i));
        to = from;
        if (!gtk_text_iter_ends_line(&to)) gtk_text_iter_forward_to_line_end(&to);
        gtk_text_buffer_delete(buffer_, &from, &to);
        gtk_text_buffer_insert(buffer_, &from, after[i].c_str(), static_cast<gint>(after[i].size()));
    }
}

void GtkOptionsDialog::UsePreviewFont(const std::string& glyphFontPath) {
    if (form_ != nullptr) form_->fonts.AddFontResourceA(glyphFontPath);
}

void GtkOptionsDialog::SetFieldText(int field, const std::string& text) {
    if (form_ == nullptr || form_->controls[field] == nullptr) return;
    ++form_->setting;
    gtk_entry_set_text(GTK_ENTRY(form_->controls[field]), text.c_str());
    --form_->setting;
}

std::string GtkOptionsDialog::FieldText(int field) {
    if (form_ == nullptr || form_->controls[field] == nullptr) return "";
    return gtk_entry_get_text(GTK_ENTRY(form_->controls[field]));
}

void GtkOptionsDialog::SetFieldChoice(int field, int choice) {
    if (form_ == nullptr || form_->controls[field] == nullptr) return;
    GtkWidget* w = form_->controls[field];
    ++form_->setting;
    if (GTK_IS_TOGGLE_BUTTON(w)) {
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), choice == 1);
        gtk_toggle_button_set_inconsistent(GTK_TOGGLE_BUTTON(w), choice < 0);
    } else {
        gtk_combo_box_set_active(GTK_COMBO_BOX(w), choice);
    }
    --form_->setting;
}

int GtkOptionsDialog::FieldChoice(int field) {
    if (form_ == nullptr || form_->controls[field] == nullptr) return -1;
    GtkWidget* w = form_->controls[field];
    if (GTK_IS_TOGGLE_BUTTON(w)) return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w)) ? 1 : 0;
    return gtk_combo_box_get_active(GTK_COMBO_BOX(w));
}

void GtkOptionsDialog::SetFieldEnabled(int field, bool enabled, const std::string& whyNot) {
    if (form_ == nullptr || form_->controls[field] == nullptr) return;
    GtkWidget* w = form_->controls[field];
    if (gtk_widget_get_sensitive(w) == (enabled ? TRUE : FALSE)) return;
    gtk_widget_set_sensitive(w, enabled);
    if (form_->labels[field] != nullptr) gtk_widget_set_sensitive(form_->labels[field], enabled);
    if (!enabled && !whyNot.empty()) gtk_widget_set_tooltip_text(w, whyNot.c_str());
}

void GtkOptionsDialog::SetFieldProblem(int field, const std::string& message) {
    if (form_ == nullptr || form_->problems[field] == nullptr) return;
    GtkWidget* label = form_->problems[field];
    if (message == gtk_label_get_text(GTK_LABEL(label))) return;
    gtk_label_set_text(GTK_LABEL(label), message.c_str());
    gtk_widget_set_visible(label, !message.empty());
    // Look pages without a message row: the message is the control's tooltip.
    if (gtk_widget_get_parent(label) == nullptr)
        gtk_widget_set_tooltip_text(form_->controls[field], message.empty() ? nullptr : message.c_str());
}

void GtkOptionsDialog::SetProblemSummary(const std::string& summary) {
    if (form_ == nullptr || form_->summary == nullptr) return;
    gtk_label_set_text(GTK_LABEL(form_->summary), summary.c_str());
    gtk_widget_set_visible(form_->summary, !summary.empty());
}

void GtkOptionsDialog::RefreshPreview() {
    if (form_ == nullptr || form_->preview == nullptr || form_->previewTimer != 0) return;
    form_->previewTimer = g_timeout_add(static_cast<guint>(layout_.previewDelayMs), Form::OnPreviewTimer, form_.get());
}

void GtkOptionsDialog::ShowCities(const std::vector<std::string>& names) {
    if (form_ == nullptr) return;
    GtkListBox* list = GTK_LIST_BOX(form_->cityList);
    GList* rows = gtk_container_get_children(GTK_CONTAINER(list));
    for (GList* r = rows; r != nullptr; r = r->next) gtk_widget_destroy(GTK_WIDGET(r->data));
    g_list_free(rows);
    for (const std::string& name : names) {
        GtkWidget* label = gtk_label_new(name.c_str());
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        gtk_widget_set_margin_start(label, 6);
        gtk_list_box_insert(list, label, -1);
    }
    gtk_widget_show_all(form_->cityList);
}

bool GtkOptionsDialog::AskYesNo(const std::string& question) {
    GtkWidget* ask = gtk_message_dialog_new(GTK_WINDOW(window_), GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                                            GTK_BUTTONS_YES_NO, "%s", question.c_str());
    gtk_window_set_title(GTK_WINDOW(ask), "Kelo");
    gtk_dialog_set_default_response(GTK_DIALOG(ask), GTK_RESPONSE_NO);
    const bool yes = gtk_dialog_run(GTK_DIALOG(ask)) == GTK_RESPONSE_YES;
    gtk_widget_destroy(ask);
    return yes;
}

void GtkOptionsDialog::OnSave(GtkButton*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->btnSave_Click();
    std::string error;
    if (d->form_ != nullptr && d->form_->wallpaperAtLogin != nullptr &&
        !ApplyWallpaperAtLogin(d->form_->wallpaperAtLogin, error))
        d->boxes_.ShowMessage("Kelo could not be set to show as the desktop background at login: " + error,
                              "Warning!", MessageIcon::Exclamation);
}

void GtkOptionsDialog::OnQuit(GtkButton*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->btnQuit_Click();
}

void GtkOptionsDialog::OnChanged(GtkTextBuffer*, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    if (d->events_ != nullptr) d->events_->txtContent_Change();
}

// The close box is Quit: it asks before unsaved changes are lost.
gboolean GtkOptionsDialog::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    OnQuit(nullptr, self);
    return TRUE;
}

// Escape quits; Ctrl+S saves; Enter saves except in the text (a new line), in the city search (the
// first city found) and on a city of the list (that city).
gboolean GtkOptionsDialog::OnKeyPress(GtkWidget* window, GdkEventKey* e, gpointer self) {
    auto* d = static_cast<GtkOptionsDialog*>(self);
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window));
    const bool ctrl = (e->state & GDK_CONTROL_MASK) != 0;
    if (e->keyval == GDK_KEY_Escape) {
        OnQuit(nullptr, self);
        return TRUE;
    }
    const bool enter = e->keyval == GDK_KEY_Return || e->keyval == GDK_KEY_KP_Enter;
    // Enter on a city of the list chooses it (a list box row takes only the space bar itself).
    if (enter && focus != nullptr && GTK_IS_LIST_BOX_ROW(focus) && d->form_ != nullptr) {
        Form::OnCityChosen(GTK_LIST_BOX(d->form_->cityList), GTK_LIST_BOX_ROW(focus), d->form_.get());
        return TRUE;
    }
    // Push buttons (Save, Quit, Restore defaults) take Enter themselves; check boxes and drop-downs
    // (a toggle button inside) do not.
    const bool pushButton = focus != nullptr && GTK_IS_BUTTON(focus) && !GTK_IS_TOGGLE_BUTTON(focus);
    const bool inText = focus != nullptr && (GTK_IS_TEXT_VIEW(focus) || (d->form_ && focus == d->form_->cityEntry) ||
                                             GTK_IS_LIST_BOX_ROW(focus) || pushButton);
    if ((ctrl && (e->keyval == GDK_KEY_s || e->keyval == GDK_KEY_S)) || (enter && !ctrl && !inText)) {
        OnSave(nullptr, self);
        return TRUE;
    }
    return FALSE;
}
