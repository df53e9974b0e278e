#include "IndexSource.h"

#include "ProductName.h"
#include "platform/ProductIndex.h"

void IndexSource::prepareRun()
{
    // An index imported since the last run (by the window or the command line) answers this one.
    m_index.reopenIfReplaced();
    const IndexInfo info = m_index.info();
    m_present = info.exists && info.problem.isEmpty();
}

std::optional<SourceAnswer> IndexSource::answerLocally(const CheckedCode& checked)
{
    if (!m_present)
        return SourceAnswer::failed(kNoProductIndex.toString());
    const std::optional<IndexedProduct> product = m_index.find(checked.gtin);
    if (!product)
        return SourceAnswer::notFound();
    ProductAnswer answer = AnswerFromFields(product->fields);
    answer.database = product->database;
    return SourceAnswer::found(std::move(answer));
}
