// What a teacher reads about a series rule: a short German description of
// how its numbers follow each other.
#pragma once

// For a task code: the description of the rule its catalogue entry uses;
// null for a code without an entry.
const char* series_rule_text(int code);
