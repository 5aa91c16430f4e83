#include "generate/DALOperate.h"

void TDALOperate::Generate(TGeneratorContext&, const TNameList&) {}
