"""The trade, orders and requests, resources and military pages."""

TESTS = []
