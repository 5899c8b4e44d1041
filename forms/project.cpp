// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/project.h"

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"

namespace avtosalon {

const Project& GameProject() {
  static const Project project{
      .forms = {form1::Description(), form2::Description(), form3::Description()}};
  return project;
}

}  // namespace avtosalon
