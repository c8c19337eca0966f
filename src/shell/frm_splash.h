#pragma once

#include "shell/frm_info.h"
