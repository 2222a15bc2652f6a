// The settings as a form of named fields: which field shows which line of the settings file and how,
// the checks shown beside the fields, and the save that rewrites only the numbers that changed.
// Written once for every platform's dialog; the dialogs only show what this says.
//
//   Fields      SettingsFields() lists every field in the order of the dialog's pages (Place, Chart,
//               Screen, Look), each with its label, its line and its kind; FormLayout() is what a
//               dialog is given of them. A dialog keeps one control per field and addresses it by the
//               field's index in that list. A new field is one row of the list.
//   Values      the form edits the settings values themselves (SettingValues, element N = line N):
//               FieldNumber / FieldChoice read a field out of them, SetFieldNumber / SetFieldChoice write
//               it back. A field that the user does not touch leaves its line's value as it was, even a
//               value the field cannot show (a wheel of 0.3, a colour of 17).
//   Numbers     shown by FieldNumberText, typed numbers read by LeadingNumber as the file's are, the
//               arrows stepping by SteppedNumber.
//   Checks      the chart update's own (CheckSettings), each shown on the fields of its lines, and
//               ProblemSummary under the preview.
//   Saving      RewriteSettingValues puts the changed values into a settings text, line by line: only the
//               first seven characters of a line whose value changed are rewritten; comments, unknown
//               lines and line ends stay as they were. SaveSettingsBytes does the same on a file's
//               bytes, in the file's own encoding (ANSI, UTF-8 or UTF-16 with their marks).
//   Defaults    ShippedSettingValues are the values of the shipped KELO.INI, compiled in;
//               RestoreDefaults puts them back on the fields of one restorable page.
#pragma once

#include <string>
#include <vector>

#include "core/body_slots.h"
#include "platform/options_dialog.h"
#include "settings/settings_checks.h"

// A field of the form: what a dialog shows of it, and how it stands for its line.
struct SettingsField : FormField {
    int line = 0;  // the settings line the field shows
    // Number: the range the arrows keep to (a value from the file outside it is shown as it is, and the
    // arrows move it only towards the range), the step of the arrows and the decimals shown. negated:
    // shown with the opposite sign (the time zone: the file counts hours west of Greenwich, the form the
    // offset from UTC, east positive).
    double min = 0, max = 0, step = 1;
    int digits = 0;
    bool negated = false;
    // Choice, Toggle, Colour: what the line holds for each choice of choiceNames, and the choice that a
    // value matching none of them shows as (-1: none). rounded: the value is rounded to a whole number
    // (halves to even) before it is compared, as the chart program does with it.
    std::vector<float> choiceValues;
    int otherChoice = -1;
    bool rounded = false;
    // The field does not apply, and is disabled, while line offWhenLine holds exactly offWhenValue
    // (0: it always applies).
    int offWhenLine = 0;
    int offWhenValue = 0;
};

// Every field of the form, in page order, each page's fields in the order of its layout.
const std::vector<SettingsField>& SettingsFields();
// What a dialog is given: the pages, the fields, the palette's swatches, the preview's delay.
const OptionsFormLayout& FormLayout();
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

// The text of a Number field showing shown: with the field's decimals when they show the value exactly
// ("-5.00"), else the shortest text that reads back as the same single ("7.25", "0.3").
std::string FieldNumberText(int field, double shown);
// The value now moved by steps of the field's arrows: onto a whole number of steps, kept within the
// field's range, or within now when now lies outside it.
double SteppedNumber(int field, double now, int steps);
// Whether a field applies with these values (the zone's offset does not while the system's zone is used).
bool FieldApplies(const SettingValues& values, int field);
// What failing checks mean for the chart, shown under the preview; "" when there are none.
std::string ProblemSummary(const std::vector<SettingsProblem>& problems);

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
// Puts the shipped value back on every field of the page, when the page is restorable (the place is
// the user's own: it is never restored).
void RestoreDefaults(SettingValues& values, FormPage page);
