#include "settings/options_editor.h"

#include "platform/whole_file.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

namespace {

const std::string kLineEnd = "\r\n";
const std::string kLineNotReadReason =
    "The settings file ends, or has an empty line, before this line: edit it on the Text page";

std::string TextBoxLines(const SettingsText& t) {
    std::string text;
    for (const std::string& line : SettingsFileLines(t)) text += line + kLineEnd;
    return text;
}

}  // namespace

std::string SettingsNotFoundMessage(const std::string& settingsFileName) {
    return kSettingsNotFoundMessage + "\n" + settingsFileName;
}

std::string SettingsTextFromFile(const std::string& bytes) { return TextBoxLines(DecodeSettingsText(bytes)); }

std::string SettingsFileFromText(const std::string& text, const SettingsText& format) {
    std::string body = text;
    if (body.size() >= kLineEnd.size() && body.compare(body.size() - kLineEnd.size(), kLineEnd.size(), kLineEnd) == 0)
        body.resize(body.size() - kLineEnd.size());
    SettingsText file = format;
    file.text.clear();
    for (std::size_t start = 0;;) {
        const std::size_t end = body.find(kLineEnd, start);
        file.text.append(body, start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) break;
        file.text += format.lineEnd;
        start = end + kLineEnd.size();
    }
    file.text += format.lineEnd;
    return EncodeSettingsText(file);
}

void OptionsForm::Form_Load() {
    std::string bytes;
    if (!ReadFileBytes(s.settingsFileName, bytes)) {
        // Start-up found the file a moment ago; it has gone since.
        boxes.ShowMessage(SettingsNotFoundMessage(s.settingsFileName), kWarningTitle, MessageIcon::Exclamation);
        return;
    }
    loaded = DecodeSettingsText(bytes);
    dialog.SetContentUtf8(loaded.encoding != SettingsEncoding::Ansi);
    dialog.SetContentText(TextBoxLines(loaded));
    LoadForm(bytes);
}

void OptionsForm::btnSave_Click() {
    if (SaveForm()) return;
    if (!WriteSettingsFile(SettingsFileFromText(dialog.ContentText(), loaded))) return;
    std::string bytes;
    if (ReadFileBytes(s.settingsFileName, bytes)) LoadForm(bytes);
}

void OptionsForm::btnQuit_Click() {
    if (dialog.HasForm() && dialog.ContentText() != savedText && !dialog.AskYesNo(kDiscardChangesQuestion)) return;
    dialog.Unload();
}

void OptionsForm::txtContent_Change() {
    if (showing || !dialog.HasForm()) return;
    textEditedByHand = true;
    ShowFields();
}

// ---- The form ----

void OptionsForm::LoadForm(const std::string& bytes) {
    fileBytes = bytes;
    savedText = dialog.ContentText();
    textEditedByHand = false;
    if (!dialog.HasForm()) return;
    dialog.UsePreviewFont(s.glyphFontPath);
    ShowFields();
}

// The fields, their checks and the preview for the text as it stands.
void OptionsForm::ShowFields() {
    const std::string text = dialog.ContentText();
    values = SettingValuesOfText(text);
    showing = true;
    const auto& fields = SettingsFields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        if (fields[i].kind == FieldKind::Number)
            ShowNumber(i);
        else
            dialog.SetFieldChoice(i, FieldChoice(values, i));
    }
    showing = false;
    ShowEnabled(text);
    ShowProblems();
    dialog.RefreshPreview();
}

// A number's text, unless the text shown already reads as its value ("7.50", or "4" on the way to "45").
void OptionsForm::ShowNumber(int field) {
    const double shown = FieldNumber(values, field);
    const std::string now = dialog.FieldText(field);
    if (!now.empty() && ToSingle(LeadingNumber(now)) == ToSingle(shown)) return;
    const bool wasShowing = showing;
    showing = true;
    dialog.SetFieldText(field, FieldNumberText(field, shown));
    showing = wasShowing;
}

// A line the chart program does not read (after an empty line, or beyond the file's end) cannot be set
// from the form: the text shows why. A field that does not apply with the values is disabled too.
void OptionsForm::ShowEnabled(const std::string& text) {
    for (int i = 0; i < static_cast<int>(SettingsFields().size()); ++i) {
        if (!LineIsRead(text, SettingsFields()[i].line))
            dialog.SetFieldEnabled(i, false, kLineNotReadReason);
        else
            dialog.SetFieldEnabled(i, FieldApplies(values, i), "");
    }
}

// Each failed check beside the fields of its lines, and what they mean under the preview.
void OptionsForm::ShowProblems() {
    const std::string letter = preview != nullptr ? preview->HouseSystemLetter(values) : "";
    const std::vector<SettingsProblem> problems = CheckSettings(values, letter);
    std::vector<std::string> messages(SettingsFields().size());
    for (const SettingsProblem& p : problems)
        for (int line : {p.line, p.alsoLine}) {
            const int field = FieldOfLine(line);
            if (line == 0 || field < 0) continue;
            std::string& m = messages[static_cast<std::size_t>(field)];
            if (m.find(p.message) == std::string::npos) m += (m.empty() ? "" : "\n") + p.message;
        }
    for (int i = 0; i < static_cast<int>(messages.size()); ++i) dialog.SetFieldProblem(i, messages[i]);
    dialog.SetProblemSummary(ProblemSummary(problems));
}

// The text with the form's values, shown without raising the text's own change.
void OptionsForm::EditText(const std::string& text) {
    showing = true;
    dialog.SetContentText(text);
    showing = false;
}

// A typed number is read as the settings file's numbers are (LeadingNumber).
void OptionsForm::Field_Change(int field) {
    if (showing || field < 0 || field >= static_cast<int>(SettingsFields().size())) return;
    if (SettingsFields()[field].kind == FieldKind::Number)
        SetFieldNumber(values, field, LeadingNumber(dialog.FieldText(field)));
    else
        SetFieldChoice(values, field, dialog.FieldChoice(field));
    ValuesEdited();
}

void OptionsForm::Field_Step(int field, int steps) {
    if (showing || field < 0 || field >= static_cast<int>(SettingsFields().size()) ||
        SettingsFields()[field].kind != FieldKind::Number)
        return;
    const double now = LeadingNumber(dialog.FieldText(field));
    const double next = SteppedNumber(field, now, steps);
    if (next == now) return;
    showing = true;
    dialog.SetFieldText(field, FieldNumberText(field, next));
    showing = false;
    SetFieldNumber(values, field, next);
    ValuesEdited();
}

// The values as edited, into the text; then which fields apply, the checks and the preview.
void OptionsForm::ValuesEdited() {
    const std::string text = dialog.ContentText();
    const std::string edited = RewriteSettingValues(text, values);
    if (edited != text) EditText(edited);
    ShowEnabled(edited);
    ShowProblems();
    dialog.RefreshPreview();
}

void OptionsForm::txtCity_Change(const std::string& query) {
    constexpr std::size_t kCitiesShown = 12;
    if (cities.empty()) {
        std::string table = CompiledZoneTable();
        if (table.empty()) ReadFileBytes(kZoneTablePath, table);
        cities = ParseZoneTable(table);
    }
    citiesShown = FindCities(cities, query, kCitiesShown);
    std::vector<std::string> names;
    for (const City& c : citiesShown) names.push_back(c.name + ", " + c.region);
    dialog.ShowCities(names);
}

void OptionsForm::lstCity_Click(int index) {
    if (index < 0 || index >= static_cast<int>(citiesShown.size())) return;
    SetPlaceToCity(values, citiesShown[index]);
    ValuesEdited();
    // The place fields show the city (the others are as they were).
    showing = true;
    for (const char* name : {"latitudeDegrees", "latitudeMinutes", "longitudeDegrees", "longitudeMinutes"})
        ShowNumber(FieldNamed(name));
    for (const char* name : {"latitudeDirection", "longitudeDirection"})
        dialog.SetFieldChoice(FieldNamed(name), FieldChoice(values, FieldNamed(name)));
    showing = false;
}

void OptionsForm::btnDefaults_Click(int page) {
    RestoreDefaults(values, static_cast<FormPage>(page));
    EditText(RewriteSettingValues(dialog.ContentText(), values));
    ShowFields();
}

void OptionsForm::picPreview_Paint(Surface& surface) {
    if (preview != nullptr) preview->PaintPreview(values, surface);
}

// Save from the form: the file as it was loaded, with only the changed numbers rewritten, in its own
// encoding and line ends. False when the text was edited by hand (the text's own Save writes it).
bool OptionsForm::SaveForm() {
    if (!dialog.HasForm() || textEditedByHand) return false;
    const std::string bytes = SaveSettingsBytes(fileBytes, values);
    if (!WriteSettingsFile(bytes)) return true;
    fileBytes = bytes;
    savedText = dialog.ContentText();
    return true;
}

// The file replaced by bytes, and the values read again as ReadSettings does. A failed write shows why
// and keeps the old file and the text box as they are.
bool OptionsForm::WriteSettingsFile(const std::string& bytes) {
    std::string error;
    if (!ReplaceFileSafely(s.settingsFileName, bytes, error)) {
        boxes.ShowMessage("The settings could not be saved to " + s.settingsFileName + " (" + error +
                              "). The file is unchanged; the text is still in the editor.",
                          kWarningTitle, MessageIcon::Exclamation);
        return false;
    }
    ReadSettings(s);
    return true;
}
