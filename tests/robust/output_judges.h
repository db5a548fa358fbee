// Judges of cairnlog's outputs, for tests that run the program on many
// inputs. Each returns "" when the file passes, else what is wrong with it;
// the PDF goes to QpdfFault of judges.h.
#pragma once

#include <string>

// xmllint: the GPX file is well-formed XML and, when every waypoint's
// position is in the range the GPX schema allows, valid against schema.
std::string GpxFault(const std::string& path, const std::string& schema);

// Every line ends with CR LF and has nine tab-separated fields, or fifteen
// with the route card.
std::string ReportFault(const std::string& path);
