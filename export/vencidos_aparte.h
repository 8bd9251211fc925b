#pragma once

namespace store {
class BaseDatos;
}

namespace exportacion {

// Copies the overdue loans of the store into a temporary table named presta,
// with presta's columns, collations and indexes and in presta's row order.
// From then on every statement of that connection that names presta reads
// the copy: the overdue sections' statements, whose own condition keeps
// exactly these rows, then give the same rows over a few thousand loans
// instead of every loan. Only for a connection of the export's own, which
// ends with it. Throws Error.
void ApartarVencidos(store::BaseDatos& base);

} // namespace exportacion
