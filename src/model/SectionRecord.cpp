#include "model/SectionRecord.h"

const char* const CSectionRecord::kDefaultText = "section  length=5.e-5  sec_num=1  mesh_points=7";
