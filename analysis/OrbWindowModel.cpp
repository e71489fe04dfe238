#include "OrbWindowModel.h"

#include <algorithm>

#include "RealText.h"
#include "TextHelpers.h"

namespace qx {

namespace {

constexpr std::size_t kFieldTextLength = 7;

std::string withComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string withPoint(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// Blanks and control characters off both ends.
std::string trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::string orbFieldText(Extended value) {
  const std::string plain = value < 0 ? "-" + fixedDecimal(value, int(kFieldTextLength) - 1)
                                      : fixedDecimal(value, int(kFieldTextLength));
  return withComma(plain);
}

OrbWindowModel::OrbWindowModel(WorkFolder folder) : folder_(std::move(folder)) {}

void OrbWindowModel::open() {
  const OrbArchive archive = readOrbArchive(folder_);
  settings_ = loadOrbSettings(folder_);
  edit1_ = settings_.setLetter;
  marked_ = orbSetLetter(settings_.setLetter);
  loadFields(archive, marked_);
  for (OrbField* f : {&parallel_, &antiscia_}) f->colour = OrbFieldColour::Plain;
  for (auto* column : {&setB_, &setC_})
    for (OrbField& f : *column) f.colour = OrbFieldColour::Plain;
  valid_ = true;
  extrasUnchanged_ = true;
}

void OrbWindowModel::loadFields(const OrbArchive& archive, char setLetter) {
  const OrbSetValues b = archive.set('B');
  const OrbSetValues c = archive.set('C');
  for (std::size_t row = 0; row < std::size_t(kAspectCount); ++row) {
    setB_[row].text = orbFieldText(b[row]);
    setC_[row].text = orbFieldText(c[row]);
  }
  // One parallel and one antiscia field serve every set; they show the
  // values of the set in force.
  const OrbSetValues inForce = archive.set(setLetter);
  parallel_.text = orbFieldText(inForce[kAspectCount]);
  antiscia_.text = orbFieldText(inForce[kAspectCount + 1]);
}

std::string OrbWindowModel::setAText(int row) const {
  return "\xB1 " + std::to_string(kAspectKinds[std::size_t(kWindowRowIndex[std::size_t(row - 1)])].setAOrb);
}

OrbField& OrbWindowModel::fieldRef(OrbFieldId id) {
  switch (id.kind) {
    case OrbFieldKind::SetB: return setB_.at(std::size_t(id.row - 1));
    case OrbFieldKind::SetC: return setC_.at(std::size_t(id.row - 1));
    case OrbFieldKind::Parallel: return parallel_;
    case OrbFieldKind::Antiscia: return antiscia_;
  }
  return parallel_;
}

const OrbField& OrbWindowModel::field(OrbFieldId id) const { return const_cast<OrbWindowModel*>(this)->fieldRef(id); }

void OrbWindowModel::editField(OrbFieldId id, std::string_view text) {
  fieldRef(id).text = std::string(text);
  valid_ = false;
  if (id.kind == OrbFieldKind::Parallel || id.kind == OrbFieldKind::Antiscia) extrasUnchanged_ = false;
  validateAll();
}

bool OrbWindowModel::validateField(OrbField& field, Extended maximum) {
  const std::string text = trimmed(field.text);
  const std::optional<Extended> value = parseReal(withPoint(text));
  if (!value) {
    field.colour = OrbFieldColour::Red;
    return false;
  }
  field.text = withComma(text);
  field.colour = OrbFieldColour::Aqua;
  if (*value < 0 || *value > maximum) {
    field.colour = OrbFieldColour::Red;
    field.text.clear();
    return false;
  }
  return true;
}

void OrbWindowModel::validateAll() {
  bool allCorrect = true;
  for (auto* column : {&setB_, &setC_})
    for (OrbField& f : *column) allCorrect = validateField(f, kMaxAspectOrb) && allCorrect;
  allCorrect = validateField(parallel_, kMaxExtraOrb) && allCorrect;
  allCorrect = validateField(antiscia_, kMaxExtraOrb) && allCorrect;
  valid_ = allCorrect;
}

Extended OrbWindowModel::fieldValue(const OrbField& field) const { return parseReal(field.text).value_or(0); }

OrbSetValues OrbWindowModel::windowSet(char setLetter) const {
  OrbSetValues set{};
  const char letter = orbSetLetter(std::string_view(&setLetter, 1));
  if (letter == 'A') {
    const std::array<Extended, kAspectCount> rows = setAWindowRows();
    std::copy(rows.begin(), rows.end(), set.begin());
  } else {
    const auto& column = letter == 'B' ? setB_ : setC_;
    for (std::size_t row = 0; row < std::size_t(kAspectCount); ++row) set[row] = fieldValue(column[row]);
  }
  set[kAspectCount] = fieldValue(parallel_);
  set[kAspectCount + 1] = fieldValue(antiscia_);
  return set;
}

OrbArchive OrbWindowModel::windowArchive(char setLetter) const {
  OrbArchive archive;
  for (char letter : {'A', 'B', 'C'}) archive.setSet(letter, windowSet(letter));
  archive.letter = std::string(1, setLetter);
  return archive;
}

OrbWindowModel::AdoptResult OrbWindowModel::adopt(char setLetter) {
  if (!valid_) return {std::string(kInvalidMessage), std::nullopt};
  const char letter = orbSetLetter(std::string_view(&setLetter, 1));

  // The archive holds every column as the window shows it and the new letter.
  const OrbArchive archive = windowArchive(letter);
  writeOrbArchive(folder_, archive, SetAForm::WholeNumbers);
  loadFields(readOrbArchive(folder_), letter);

  // The chosen set goes in force with the values just written.
  OrbSettings chosen = settings_;
  applyOrbSetValues(chosen, archive.set(letter));
  chosen.setLetter = std::string(1, letter);
  writeOrbSettings(folder_, chosen);

  settings_ = loadOrbSettings(folder_);
  edit1_ = std::string(1, letter);
  marked_ = letter;
  return {std::nullopt, std::string(orbComboText(letter))};
}

OrbWindowModel::CloseResult OrbWindowModel::close() {
  if (!valid_) return {false, std::nullopt};
  writeOrbArchive(folder_, windowArchive(marked_), SetAForm::WholeNumbers);
  CloseResult result{true, std::nullopt};
  if (!extrasUnchanged_) result.comboText = adopt(orbSetLetter(edit1_)).comboText;
  return result;
}

}  // namespace qx
