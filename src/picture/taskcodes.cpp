#include "taskcodes.h"

#include <algorithm>
#include <iterator>

namespace zeb {
namespace {

struct TaskRow
{
    Activity activity;
    QuestionType type; // None: any type
    Person person;
    TaskCodes codes;
};

using A = Activity;
using Q = QuestionType;
using P = Person;

// clang-format off
constexpr TaskRow taskRows[] = {
    {A::Statement, Q::None,      P::Third,  {0, 1}},
    {A::Statement, Q::None,      P::First,  {0, 2}},
    {A::Statement, Q::None,      P::Second, {0, 3}},
    {A::Answer,    Q::PartialI,  P::Third,  {4, 6}},
    {A::Answer,    Q::PartialI,  P::First,  {5, 7}},
    {A::Question,  Q::General,   P::Third,  {0, 8}},
    {A::Question,  Q::General,   P::Second, {0, 9}},
    {A::Question,  Q::General,   P::Polite, {0, 12}},
    {A::Answer,    Q::General,   P::Third,  {8, 10}},
    {A::Answer,    Q::General,   P::First,  {9, 11}},
    {A::Question,  Q::PartialI,  P::Third,  {0, 4}},
    {A::Question,  Q::PartialI,  P::Second, {0, 5}},
    {A::Question,  Q::PartialI,  P::Polite, {0, 13}},
    {A::Answer,    Q::PartialII, P::Third,  {14, 15}},
    {A::Answer,    Q::PartialII, P::First,  {16, 17}},
    {A::Question,  Q::PartialII, P::Third,  {0, 14}},
    {A::Question,  Q::PartialII, P::Second, {0, 16}},
    {A::Question,  Q::PartialII, P::Polite, {0, 18}},
};
// clang-format on

} // namespace

std::optional<TaskCodes> taskCodesFor(Activity activity, QuestionType type, Person person)
{
    for (const TaskRow &row : taskRows) {
        if (row.activity == activity && (row.type == Q::None || row.type == type) &&
            row.person == person)
            return row.codes;
    }
    return std::nullopt;
}

// The learner asks exactly in the tasks of the activity Pregunte.
bool isQuestionTask(int taskCode)
{
    return std::any_of(std::begin(taskRows), std::end(taskRows), [taskCode](const TaskRow &row) {
        return row.activity == A::Question && row.codes.task == taskCode;
    });
}

} // namespace zeb
