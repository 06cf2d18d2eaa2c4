#include "CbNoticeInterface.h"

CbNoticeInterface::~CbNoticeInterface() = default;
