// The settings as a form of named fields: which field shows which line of the settings file and how,
// the checks shown beside the fields, and the save that rewrites only the numbers that changed.
// Written once for every platform's dialog; the dialogs only show what this says.
//
//   Fields      SettingsFields() lists every field in the order of the dialog's pages (Place, Chart,
//               Screen, Look), each with its label, its line and its kind. A dialog keeps one control
//               per field and addresses it by the field's index in that list.
//   Values      the form edits the settings values themselves (SettingValues, element N = line N):
//               FieldNumber / FieldChoice read a field out of them, SetFieldNumber / SetFieldChoice write
//               it back. A field that the user does not touch leaves its line's value as it was, even a
//               value the field cannot show (a wheel of 0.3, a colour of 17).
//   Checks      FieldProblems runs the chart update's own settings checks on the values and says which
//               field each failed rule belongs to, with the check's own message.
//   Saving      RewriteSettingValues puts the changed values into a settings text, line by line: only the
//               first seven characters of a line whose value changed are rewritten; comments, unknown
//               lines and line ends stay as they were. SaveSettingsBytes does the same on a file's
//               bytes, in the file's own encoding (ANSI, UTF-8 or UTF-16 with their marks).
//   Defaults    ShippedSettingValues are the values of the shipped KELO.INI, compiled in;
//               RestoreDefaults puts them back on the fields of one page.
#pragma once

#include <array>
#include <string>
#include <vector>

using SettingValues = std::array<float, 93>;  // element N = the number on line N; element 0 unused

enum class FormPage { Place, Chart, Screen, Look };

enum class FieldKind {
    Number,  // a spin button: shown = value (or -value for a negated field), within min..max
    Choice,  // a list of named choices (a drop-down, or radio buttons for two)
    Toggle,  // a check box: choice 0 off, choice 1 on
    Colour,  // one of the 16 palette colours, shown as swatches (choices 0..15, named)
};

struct ChoiceItem {
    const char* text;  // what the user reads
    float value;       // what the line holds for it
};

struct SettingsField {
    const char* name = "";  // stable name of the control ("latitudeDegrees"); GTK widget names use it
    const char* label = "";  // label with its mnemonic marked by "_" (a Win32 resource writes "&" instead)
    FormPage page = FormPage::Place;
    int line = 0;       // the settings line the field shows
    FieldKind kind = FieldKind::Number;
    // Number: the range the control offers (widened to show a value from the file that lies outside
    // it), the step of the arrows and the decimals shown. negated: shown with the opposite sign (the
    // time zone: the file counts hours west of Greenwich, the form the offset from UTC, east positive).
    double min = 0, max = 0, step = 1;
    int digits = 0;
    bool negated = false;
    // Choice, Toggle, Colour: the choices, and the one that a value matching none of them shows as
    // (-1: none). rounded: the value is rounded to a whole number (halves to even) before it is compared,
    // as the chart program does with it.
    std::vector<ChoiceItem> choices;
    int otherChoice = -1;
    bool rounded = false;
};

// Every field of the form, in page order, each page's fields in the order of its layout.
const std::vector<SettingsField>& SettingsFields();
// The index of the field showing a line, -1 when no field does.
int FieldOfLine(int line);
// The index of the field with this name, -1 when there is none.
int FieldNamed(const std::string& name);

// A Number field's value as the form shows it.
double FieldNumber(const SettingValues& values, int field);
// A Choice, Toggle or Colour field's choice: the index of the choice its value stands for, else
// otherChoice.
int FieldChoice(const SettingValues& values, int field);
// Writes a field's line. A choice of -1 (nothing chosen) writes nothing.
void SetFieldNumber(SettingValues& values, int field, double shown);
void SetFieldChoice(SettingValues& values, int field, int choice);

// One failed settings check, on the field it belongs to.
struct FieldProblem {
    int field;
    std::string message;  // the check's own message text
};
// The checks made before every chart update, on these values with the house system letter the chart
// program takes from them ("P", "M", ...). The latitude limit is shown on the latitude degrees and on
// the house system; each rule of the place data on the field that breaks it.
std::vector<FieldProblem> FieldProblems(const SettingValues& values, const std::string& houseSystemLetter);

// The values a settings text gives, read as the chart program reads its file: line N's first seven
// characters, up to the first empty line and at most 92 lines; the lines not read give 0.
// linesRead: how many lines were read.
SettingValues SettingValuesOfText(const std::string& text, int* linesRead = nullptr);

// The seven characters of a line's number field holding value, in the file's convention: the shortest
// number that reads back as the same single ("5", "-1", "7.5"), after the field's own leading blanks,
// padded with blanks as the old field was (to seven characters when a comment follows).
std::string SettingFieldText(float value, const std::string& oldField);

// The text with every line read (see SettingValuesOfText) whose value differs from values rewritten in
// its first seven characters; nothing else changes. A line that was not read is never touched (its
// field is disabled in the form, see LineIsRead).
std::string RewriteSettingValues(const std::string& text, const SettingValues& values);
// The same on a whole file, decoded and encoded again in its own encoding.
std::string SaveSettingsBytes(const std::string& fileBytes, const SettingValues& values);
// Whether a line is among those the chart program reads from this text.
bool LineIsRead(const std::string& text, int line);

// The values of the shipped settings file.
const SettingValues& ShippedSettingValues();
// Puts the shipped value back on every field of the page.
void RestoreDefaults(SettingValues& values, FormPage page);

// The 16 palette colours by name, index 0..15 (the same order as Palette).
extern const char* const kPaletteColourNames[16];
