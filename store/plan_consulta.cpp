#include "store/plan_consulta.h"

#include "store/base_datos.h"
#include "store/dialecto_jet.h"

namespace store {

namespace {

bool empiezaCon(const std::string& texto, const char* prefijo) {
    return texto.rfind(prefijo, 0) == 0;
}

} // namespace

PlanConsulta planDe(BaseDatos& base, const std::string& sql) {
    PlanConsulta plan;
    Sentencia pasos(base, "EXPLAIN QUERY PLAN " + sql);
    while (pasos.paso()) {
        const std::string paso = pasos.valor(3).value_or("");
        const bool busca = empiezaCon(paso, "SEARCH ");
        const bool recorre = empiezaCon(paso, "SCAN ");
        plan.busca |= busca;
        plan.recorridos += recorre ? 1 : 0;
        plan.porIndice |= busca || (recorre && paso.find(" USING ") != std::string::npos);
        plan.recorreIndiceEntero |= recorre && paso.find(" USING INDEX ") != std::string::npos &&
                                    paso.find(" COVERING ") == std::string::npos;
        plan.agrupaAparte |= empiezaCon(paso, "USE TEMP B-TREE FOR GROUP BY");
    }
    return plan;
}

std::string sinRecorridoPorIndice(BaseDatos& base, const std::string& sql) {
    const PlanConsulta plan = planDe(base, sql);
    const bool unaTablaEntera = !plan.busca && plan.recorridos == 1;
    return unaTablaEntera && plan.recorreIndiceEntero && plan.agrupaAparte ? enOrdenDeTabla(sql)
                                                                           : sql;
}

} // namespace store
