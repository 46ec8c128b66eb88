// The factor catalogue and zodiac tables: read-only data indexed by factor (0..22),
// sign (1..12), month (1..12) and chart layer (1..8). Index 0 of a 1-based table is unused.
#include "core/FactorCatalogue.h"

namespace nemra {

const std::array<std::string_view, kFactorCount> FactorNames = {
    "Aries", "Meridian", "Ascendant", "Sun",     "Moon",     "Node",     "Mecury", "Venus",
    "Mars",  "Jupiter",  "Saturn",    "Uranus",  "Neptune",  "Pluto",    "Cupido", "Hades",
    "Zeus",  "Kronos",   "Apollon",   "Admetos", "Vulcanus", "Poseidon", "Ketu",
};

const std::array<std::string_view, kFactorCount> FactorNamesThai = {
    "เมษ",   "เมอริเดียน", "ลัคนา",     "อาทิตย์",    "จันทร์",   "ราหู",     "พุธ",     "ศุกร์",
    "อังคาร", "พฤหัส",     "เสาร์",     "มฤตยู",     "เนปจูน",  "พลูโต",    "คิวปิโด",  "ฮาเดส",
    "เซอุส",  "โครโนส",   "อาพอลลอน", "แอดเมตอส", "วัลคานุส", "โพไซดอน", "เกตุไทย",
};

const std::array<std::string_view, kFactorCount> FactorCode = {
    "AR", "MC", "AS", "SU", "MO", "NO", "Me", "Ve", "Ma", "Ju", "Sa", "Ur",
    "Ne", "Pl", "Cu", "Ha", "Ze", "Kr", "Ap", "Ad", "Vu", "Po", "Ke",
};

const std::array<std::string_view, kFactorCount> FactorCodeThai = {
    "มษ", "มร", "ลค", "อท", "จท", "รห", "พธ", "ศก", "อง", "พฤ", "สร", "มฤ",
    "นป", "พล", "คป", "ฮด", "ซอ", "คร", "อพ", "อด", "วค", "พซ", "กต",
};

const std::array<unsigned char, kFactorCount> FactorGlyphs = {
    0xB2, 0x4D, 0x41, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9,
    0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0x4B,
};

const std::array<std::string_view, 13> SignAbbr = {
    "", "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis",
};

const std::array<std::string_view, 13> SignAbbrThai = {
    "", "มษ", "พภ", "มถ", "กฎ", "สห", "กย", "ตล", "พจ", "ธน", "มก", "กภ", "มน",
};

const std::array<std::string_view, 13> SignNamesThai = {
    "", "เมษ", "พฤษภ", "มิถุน", "กรกฎ", "สิงห์", "กันย์", "ตุลย์", "พิจิก", "ธนู", "มกร", "กุมภ์", "มีน",
};

const std::array<unsigned char, 13> SignGlyphs = {
    0, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD,
};

const std::array<std::string_view, 13> SignRulerText = {
    "",
    "เจ้าเรือน: อังคาร, พลูโต",
    "เจ้าเรือน: ศุกร์",
    "เจ้าเรือน: พุธ",
    "เจ้าเรือน: จันทร์",
    "เจ้าเรือน: อาทิตย์",
    "เจ้าเรือน: พุธ",
    "เจ้าเรือน: ศุกร์",
    "เจ้าเรือน: อังคาร",
    "เจ้าเรือน: พฤหัส",
    "เจ้าเรือน: เสาร์",
    "เจ้าเรือน: ราหู, มฤตยู",
    "เจ้าเรือน: พฤหัส, เนปจูน",
};

const std::array<std::string_view, 13> TwoDigitNumbers = {
    "", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12",
};

const std::array<std::string_view, 13> MonthNamesThai = {
    "",        "มกราคม", "กุมภาพันธ์", "มีนาคม", "เมษายน",   "พฤษภาคม", "มิถุนายน",
    "กรกฎาคม", "สิงหาคม", "กันยายน",  "ตุลาคม", "พฤศจิกายน", "ธันวาคม",
};

const std::array<std::string_view, 13> MonthAbbrThai = {
    "", "ม.ค.", "ก.พ.", "มี.ค.", "เมย.", "พ.ค.", "มิ.ย.", "ก.ค.", "ส.ค.", "ก.ย.", "ต.ค.", "พ.ย.", "ธ.ค.",
};

const std::array<std::string_view, 9> ChartLayerLabels = {
    "", " กำเนิด", " จร ", " V1", " V2", " V1 ครึ่งโค้ง", " V2 ครึ่งโค้ง", " V1 โค้ง 2 เท่า", " V2 โค้ง 2 เท่า",
};

const std::array<std::string_view, 9> ChartLayerPointLabels = {
    "",
    " ดวงกำเนิด",
    " ดวงจร ",
    " จุด V1",
    " จุด V2",
    " จุด V1 ครึ่งโค้ง",
    " จุด V2 ครึ่งโค้ง",
    " จุด V1 โค้ง 2 เท่า",
    " จุด V2 โค้ง 2 เท่า",
};

const std::array<std::string_view, 15> ThaiFactorNames = {
    "จุดเมษ", "เมอริเดียน", "ลัคนา", "อาทิตย์", "จันทร์", "อังคาร", "พุธ",   "พฤหัส",
    "ศุกร์",   "เสาร์",     "ราหู",  "เกตุ",   "มฤตยู", "เนปจูน", "พลูโต",
};

const std::array<std::string_view, 15> ThaiFactorCodes = {
    "มษ", "มร", "ลค", "อท", "จท", "อง", "พธ", "พฤ", "ศก", "สร", "รห", "กต", "มฤ", "นป", "พล",
};

const std::string_view ThaiFactorLetters = "มล๑๒๓๔๕๖๗๘๙๐นพ";

const std::array<std::string_view, 27> NakshatraNames = {
    " ๑ อัศวินี", " ๒ ภรณี",     " ๓ กัตติกา",   " ๔ โรหิณี",  " ๕ มิคสิร", " ๖ อัทระ",   " ๗ ปุนัพพสุ",    " ๘ ปุสย",      " ๙ อสิเลษ",
    "๑๐ มาฆะ", "๑๑ บุพผัคคุณี",  "๑๒ อุตรผัคคุณี", "๑๓ หัตถะ",  "๑๔ จิตตะ", "๑๕ สวาติ",   "๑๖ วิสาข",     "๑๗ อนุราธ",    "๑๘ เชฎฐ",
    "๑๙ มูล",   "๒๐ บุพพสาฬห", "๒๑ อุตรสาฬห", "๒๒ สาวนะ", "๒๓ ธนิฎฐ", "๒๔ สตัพพิสัช", "๒๕ บุพพาภัททะ", "๒๖ อุตราภัททะ", "๒๗ เรวดี",
};

const std::array<std::string_view, 9> NakshatraGroupNames = {
    "ทลิทโท ", "มหัทธโน", "โจโร", "ภูมิปาโล", "เทศาตรี", "เทวี", "เพชฌฆาต", "ราชา", "สมโณ",
};

int SignNumberOf(double lonDeg)
{
    if (!(lonDeg >= 0.0 && lonDeg < 360.0)) // not a longitude of one turn (NaN included)
        return 1;
    const int sign = static_cast<int>(lonDeg / 30.0) + 1;
    return sign < 1 ? 1 : (sign > 12 ? 12 : sign);
}

std::string_view MonthNameThai(int month)
{
    return month >= 1 && month <= 12 ? MonthNamesThai[static_cast<std::size_t>(month)] : std::string_view{};
}

} // namespace nemra
