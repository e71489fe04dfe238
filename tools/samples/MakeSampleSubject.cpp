// Writes the installation tree's current subject: record 0 of "TMPR.ST1",
// "TMPR.ST2" and "TMPR.ST3" and "FileDum\\Annotaz.dum", exactly as a
// registration into the temporary archive would leave them, so that a new
// user's first chart is a real one.
//
// Usage: qxmorva-make-sample-subject <installation tree>   (e.g. data)

#include <cstdio>
#include <string>

#include "Annotations.h"
#include "ArchiveRecords.h"
#include "BirthCodes.h"
#include "Calendar.h"
#include "ChartEngine.h"
#include "HandOffFiles.h"
#include "OrbFiles.h"
#include "RecordFile.h"
#include "SubjectArchive.h"
#include "WorkFolder.h"

namespace {

// The subject: born in Rome on 15 June 1968 at 14:30, Italian summer time
// (UT = local time - 2 h; summer time ran from 26 May to 22 September 1968).
struct SampleSubject {
  const char* name = "ROSSI MARIA";
  int year = 1968, month = 6, day = 15, hour = 14, minute = 30;
  long double corr = -2;
  const char* coordinates = "41N54-012E30";  // Rome, 41.892 N 12.511 E
  const char* place = "ROMA *RM*";
  const char* nationality = "ITALIA";
  const char* calendar = "GR";
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <installation tree, e.g. data>\n", argv[0]);
    return 2;
  }
  const qx::WorkFolder tree(argv[1]);
  const SampleSubject s;

  const std::string dateKey = qx::makeDateKey(s.year, s.month, s.day, s.hour, s.minute, s.corr);

  qx::BirthRecord birth;
  birth.setDateKey(dateKey);
  birth.setPlaceField((std::string(s.coordinates) + s.place).substr(0, 39));
  birth.setCalendarCode(s.calendar);
  birth.setNationality(s.nationality);
  birth.setReserved1("");
  birth.setReserved2("");
  birth.setAnnotationIndex("00000");

  const qx::OrbSettings settings = qx::loadOrbSettings(tree);
  qx::Ephemeris ephemeris(tree);
  const long double localJd = qx::julianDay(1, s.year, s.month, s.day, s.hour, s.minute);
  const qx::BirthCodes codes =
      qx::buildCodes(ephemeris, {settings.nodeKind, settings.apogeeKind}, localJd, s.corr, s.hour, s.minute,
                     qx::geoPositionOfCoordinates(s.coordinates));
  birth.setPlanetsCode(codes.PlanetsCode);
  birth.setCuspsCode(codes.CuspsCode);
  birth.setAspectsCode(codes.AspectsCode);

  // A registration into the temporary archive: the birth record's number is
  // the (empty) archive's record count, 0, and both records stand at 0.
  const qx::IndexRecord index(qx::makeIndexText(s.name, 0));
  qx::RecordFile(tree.pathForWrite("TMPR.ST1"), qx::IndexRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, index);
  qx::RecordFile(tree.pathForWrite("TMPR.ST2"), qx::BirthRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, birth);
  qx::RecordFile(tree.pathForWrite("TMPR.ST3"), qx::AnnotationRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, qx::defaultAnnotationRecord());

  // The annotation line as the recall shows a subject without annotations.
  qx::writeAnnotationsLine(tree, qx::recalledAnnotationsLine(qx::defaultAnnotationRecord()));

  std::printf("TMPR: %s, %s, %s\n  planets %s\n  cusps   %s\n  aspects %s\n", index.indexText().c_str(),
              dateKey.c_str(), birth.PlaceField().c_str(), codes.PlanetsCode.c_str(), codes.CuspsCode.c_str(),
              codes.AspectsCode.c_str());
  return 0;
}
