#pragma once
// The orb window `TFoOrbMorva` without its widgets: the texts and colours of
// its fields, the validation after every edit, and what "Adotta" and
// "Ritorna a Menu Principale" do to the two orb files. The Qt window shows
// this state and forwards the user's edits and clicks.
//
// Columns: set A (read-only texts "± 10", "± 1" ...), set B and set C (14
// editable fields each, window row order); one parallel and one antiscia
// field serve all three sets.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Extended.h"
#include "OrbFiles.h"
#include "OrbTable.h"
#include "WorkFolder.h"

namespace qx {

enum class OrbFieldKind { SetB, SetC, Parallel, Antiscia };

// A field of the window: `row` 1..14 for the set columns, ignored otherwise.
struct OrbFieldId {
  OrbFieldKind kind = OrbFieldKind::SetB;
  int row = 1;
};

// Plain until the first validation; aqua when correct, red when not.
enum class OrbFieldColour { Plain, Aqua, Red };

struct OrbField {
  std::string text;
  OrbFieldColour colour = OrbFieldColour::Plain;
};

// A number as a field shows it after loading: the first 7 characters of its
// plain decimal form with "," as separator ("10,0000", "0,50000").
std::string orbFieldText(Extended value);

class OrbWindowModel {
 public:
  static constexpr std::string_view kCaption = "Variazione Orbite Aspetti";
  static constexpr std::string_view kAdoptCaption = "Adotta";
  static constexpr std::string_view kReturnCaption = "Ritorna a Menu Principale";
  static constexpr std::string_view kLabelOrbite = "Set di Orbite Attualmente Selezionato = ";
  static constexpr std::string_view kParallelLabel1 = "Paralleli di Declinazione";
  static constexpr std::string_view kParallelLabel2 = "e Contro-Paralleli";
  static constexpr std::string_view kAntisciaLabel1 = "Antisce";
  static constexpr std::string_view kAntisciaLabel2 = "e Contro-Antisce";
  static constexpr std::string_view kInvalidMessage = "Errore Impostazione Orbite";

  static constexpr Extended kMaxAspectOrb = 15;
  static constexpr Extended kMaxExtraOrb = 6;

  explicit OrbWindowModel(WorkFolder folder);

  // Opening: fields from "FileDum\\MMVarOrb.dum", the settings from
  // "FileSet\\OrbiDomi.stt", both flags set, the set in force in `Edit1` and
  // marked. File failures raise IoError.
  void open();

  // Set A's read-only text of window row 1..14: "± " and the orb ("\xB1 10").
  std::string setAText(int row) const;

  const OrbField& field(OrbFieldId id) const;

  // The user changed a field: an orb field clears valid, the parallel or
  // antiscia field clears both flags; then every editable field is validated
  // and valid is set again when all of them are correct.
  void editField(OrbFieldId id, std::string_view text);

  bool valid() const { return valid_; }
  bool extrasUnchanged() const { return extrasUnchanged_; }
  // "Ritorna a Menu Principale" is enabled only while valid.
  bool canReturn() const { return valid_; }

  // `Edit1`: the letter of the set in force.
  const std::string& edit1Text() const { return edit1_; }
  // The column framed by `BevelA`, `BevelB` or `BevelC`.
  char markedColumn() const { return marked_; }

  const OrbSettings& settings() const { return settings_; }

  struct AdoptResult {
    std::optional<std::string> message;    // "Errore Impostazione Orbite" when invalid
    std::optional<std::string> comboText;  // the main window's `ComboOrb` item after a change
  };

  // "Adotta" of column 'A', 'B' or 'C'. While invalid nothing is written.
  AdoptResult adopt(char setLetter);

  struct CloseResult {
    bool closed = false;                   // false while invalid: the window stays
    std::optional<std::string> comboText;  // set when the set in force was adopted again
  };

  // "Ritorna a Menu Principale": rewrites "FileDum\\MMVarOrb.dum" with the
  // marked column's letter; when the parallel or antiscia field was edited
  // the set in `Edit1` is adopted again so that "FileSet\\OrbiDomi.stt"
  // receives the new values.
  CloseResult close();

 private:
  OrbField& fieldRef(OrbFieldId id);
  void loadFields(const OrbArchive& archive, char setLetter);
  bool validateField(OrbField& field, Extended maximum);
  void validateAll();
  Extended fieldValue(const OrbField& field) const;
  OrbArchive windowArchive(char setLetter) const;
  OrbSetValues windowSet(char setLetter) const;

  WorkFolder folder_;
  std::array<OrbField, kAspectCount> setB_{};
  std::array<OrbField, kAspectCount> setC_{};
  OrbField parallel_;
  OrbField antiscia_;
  bool valid_ = true;
  bool extrasUnchanged_ = true;
  std::string edit1_;
  char marked_ = 'A';
  OrbSettings settings_;
};

}  // namespace qx
